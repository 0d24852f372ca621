#include "host/com/com_session.h"

namespace tarn::host::com {

std::optional<DISPID> ComSession::KnownId(std::string_view kind, std::u16string_view name) const {
    const auto found = ids_.find(std::pair{std::string(kind), std::u16string(name)});
    if (found == ids_.end()) return std::nullopt;
    return found->second;
}

void ComSession::RememberId(std::string_view kind, std::u16string_view name, DISPID id) {
    ids_.insert_or_assign(std::pair{std::string(kind), std::u16string(name)}, id);
}

}  // namespace tarn::host::com
