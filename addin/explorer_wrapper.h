#pragma once

#include <functional>

#include "host/explorer.h"
#include "host/subscription.h"

namespace tarn::addin {

// One main window the add-in follows: its selection changes and its closing reach the
// handlers, which are told which wrapper raised them. Letting go of the wrapper disconnects.
class ExplorerWrapper {
public:
    using Handler = std::function<void(ExplorerWrapper& wrapper)>;

    ExplorerWrapper(host::ExplorerPtr explorer, const Handler& on_selection_change, const Handler& on_close);
    ExplorerWrapper(const ExplorerWrapper&) = delete;
    ExplorerWrapper& operator=(const ExplorerWrapper&) = delete;

    host::Explorer& Explorer() const noexcept { return *explorer_; }

private:
    host::ExplorerPtr explorer_;
    host::Subscription selection_change_;
    host::Subscription close_;
};

}  // namespace tarn::addin
