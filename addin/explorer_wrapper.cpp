#include "addin/explorer_wrapper.h"

namespace tarn::addin {

ExplorerWrapper::ExplorerWrapper(host::ExplorerPtr explorer, const Handler& on_selection_change, const Handler& on_close)
    : explorer_(std::move(explorer)) {
    close_ = explorer_->OnClose([this, on_close] { on_close(*this); });
    selection_change_ = explorer_->OnSelectionChange([this, on_selection_change] { on_selection_change(*this); });
}

}  // namespace tarn::addin
