#pragma once

#include <atomic>

namespace tarn::win {

// What keeps the library loaded: its live COM objects and the locks on its class factory.
// DllCanUnloadNow answers from these.
class ModuleLifetime {
public:
    static void ObjectCreated() noexcept { ++objects_; }
    static void ObjectDestroyed() noexcept { --objects_; }
    static void Lock() noexcept { ++locks_; }
    static void Unlock() noexcept { --locks_; }
    static bool CanUnload() noexcept { return objects_ == 0 && locks_ == 0; }

private:
    static inline std::atomic<long> objects_{0};
    static inline std::atomic<long> locks_{0};
};

}  // namespace tarn::win
