#include "host/sim/fault_plan.h"

#include <stdexcept>

#include "host/sim/member_table.h"

namespace tarn::host::sim {

FaultPlan::FaultPlan(std::string_view kind) : kind_(kind) {}

void FaultPlan::Refuse(std::string_view member) { refusals_[Checked(member)] = std::nullopt; }

void FaultPlan::Refuse(std::string_view member, int count) {
    if (count <= 0) {
        Allow(member);
        return;
    }
    refusals_[Checked(member)] = count;
}

void FaultPlan::Allow(std::string_view member) { refusals_.erase(Checked(member)); }

void FaultPlan::AllowAll() noexcept { refusals_.clear(); }

bool FaultPlan::ConsumeRefusal(std::string_view member) {
    const auto found = refusals_.find(member);
    if (found == refusals_.end()) return false;
    if (auto& remaining = found->second; remaining && --*remaining == 0) refusals_.erase(found);
    return true;
}

std::string FaultPlan::Checked(std::string_view member) const {
    const std::string qualified = kind_.empty() ? std::string(member) : kind_ + "." + std::string(member);
    if (!IsHostMember(qualified)) throw std::invalid_argument("the test host has no member " + qualified);
    return std::string(member);
}

}  // namespace tarn::host::sim
