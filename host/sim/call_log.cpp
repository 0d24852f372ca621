#include "host/sim/call_log.h"

#include <stdexcept>

#include "host/sim/member_table.h"

namespace tarn::host::sim {

void CallLog::Record(const std::string& qualified_member) { ++counts_[qualified_member]; }

long CallLog::Count(std::string_view qualified_member) const {
    if (!IsHostMember(qualified_member))
        throw std::invalid_argument("the test host has no member " + std::string(qualified_member));
    const auto found = counts_.find(qualified_member);
    return found == counts_.end() ? 0 : found->second;
}

std::vector<std::string> CallLog::Members() const {
    std::vector<std::string> members;
    for (const auto& [member, count] : counts_) members.push_back(member);
    return members;
}

}  // namespace tarn::host::sim
