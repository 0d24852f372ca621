#include "host/sim/sim_object.h"

#include <stdexcept>
#include <utility>

#include "host/host_error.h"
#include "host/sim/member_table.h"
#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimObject::SimObject(std::weak_ptr<SimHost> host, std::string_view kind)
    : host_(std::move(host)), kind_(kind), faults_(kind) {}

std::shared_ptr<SimHost> SimObject::Guard(std::string_view member) {
    std::string qualified = Qualified(member);
    if (!IsHostMember(qualified)) throw std::logic_error("the test host guards an unknown member " + qualified);
    auto host = host_.lock();
    if (!host) throw HostError(std::move(qualified), "Outlook has shut down");
    host->Calls().Record(qualified);
    if (deleted_) throw HostError(std::move(qualified), "the object has been deleted");
    // The object's own plan is asked first; a refusal there leaves the host-wide plan untouched.
    if (faults_.ConsumeRefusal(member) || host->Faults().ConsumeRefusal(qualified))
        throw HostError(std::move(qualified), "refused by the test host");
    return host;
}

void SimObject::Fail(std::string_view member, const std::string& reason) const {
    throw HostError(Qualified(member), reason);
}

std::string SimObject::Qualified(std::string_view member) const {
    std::string qualified(kind_);
    qualified += '.';
    qualified += member;
    return qualified;
}

}  // namespace tarn::host::sim
