#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/sim/fault_plan.h"

namespace tarn::host::sim {

class SimHost;

// What every object of the test host shares: the link to its host, its own fault plan, and the
// guard that every interface member passes first.
class SimObject {
public:
    SimObject(const SimObject&) = delete;
    SimObject& operator=(const SimObject&) = delete;

    // This object's own refusals, by bare member name ("Move").
    FaultPlan& Faults() noexcept { return faults_; }
    // The test host's own view: whether the object was deleted (its members refuse).
    bool IsDeleted() const noexcept { return deleted_; }

protected:
    SimObject(std::weak_ptr<SimHost> host, std::string_view kind);
    ~SimObject() = default;

    // Counts the call of the member and lets it through, or raises HostError: when Outlook has
    // shut down, when the object was deleted, or when this object's plan or else the host-wide
    // plan refuses it. Returns the live host.
    std::shared_ptr<SimHost> Guard(std::string_view member);
    [[noreturn]] void Fail(std::string_view member, const std::string& reason) const;

    // A guarded getter and setter of a plain field.
    template <class Value>
    Value Read(std::string_view member, const Value& field) {
        Guard(member);
        return field;
    }
    template <class Value>
    void Write(std::string_view member, Value& field, const Value& value) {
        Guard(member);
        field = value;
    }

    // The host, or null once Outlook has shut down.
    std::shared_ptr<SimHost> Host() const noexcept { return host_.lock(); }
    const std::weak_ptr<SimHost>& HostLink() const noexcept { return host_; }
    // From now on every member raises HostError, as members of deleted command bars and
    // controls do in Office.
    void MarkDeleted() noexcept { deleted_ = true; }

private:
    std::string Qualified(std::string_view member) const;

    std::weak_ptr<SimHost> host_;
    std::string_view kind_;
    FaultPlan faults_;
    bool deleted_ = false;
};

// The fault plan of any object of the test host reached through its interface, for example
// FaultsOf(*explorer->CommandBars()). Throws std::bad_cast for an object that is not the test host's.
template <class Interface>
FaultPlan& FaultsOf(Interface& object) {
    return dynamic_cast<SimObject&>(object).Faults();
}

}  // namespace tarn::host::sim
