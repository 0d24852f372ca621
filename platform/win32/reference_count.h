#pragma once

#include <windows.h>

#include <atomic>

namespace tarn::platform {

// The reference count of a COM object of our own, which starts owned by its creator: AddRef
// and Release of the object forward to it.
class ReferenceCount {
public:
    ULONG AddRef() noexcept { return ++count_; }
    // Drops one reference, and runs `destroy` (which deletes the object) when it was the last.
    template <class Destroy>
    ULONG Release(Destroy&& destroy) noexcept {
        const ULONG left = --count_;
        if (left == 0) destroy();
        return left;
    }

private:
    std::atomic<ULONG> count_{1};
};

}  // namespace tarn::platform
