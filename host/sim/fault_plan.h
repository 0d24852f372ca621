#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::host::sim {

// Which calls the test host refuses. A sim object's own plan names its members bare ("Move");
// the host-wide plan names them with their kind ("Item.Move"). A refused call raises HostError
// and has no effect. Naming a member that does not exist throws std::invalid_argument.
class FaultPlan {
public:
    // kind: the object kind whose bare member names this plan takes; empty for the host-wide
    // plan, which takes "Kind.Member".
    explicit FaultPlan(std::string_view kind = {});

    // Refuses every call of the member until Allow (or AllowAll).
    void Refuse(std::string_view member);
    // Refuses the next count calls of the member, then allows it again; count <= 0 allows it.
    void Refuse(std::string_view member, int count);
    void Allow(std::string_view member);
    void AllowAll() noexcept;

    // Whether the current call of the member is refused; uses up one counted refusal.
    bool ConsumeRefusal(std::string_view member);

private:
    std::string Checked(std::string_view member) const;

    std::string kind_;
    // Calls still to refuse by member; empty optional: refused until allowed.
    std::map<std::string, std::optional<int>, std::less<>> refusals_;
};

}  // namespace tarn::host::sim
