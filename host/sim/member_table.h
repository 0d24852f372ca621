#pragma once

#include <string_view>

namespace tarn::host::sim {

// Whether "Kind.Member" names a member of a host interface that the test host implements
// (for example "Item.Move", "CommandBarControl.SetTag"). Fault injection and call counting
// accept only these names, so that a misspelt member fails loudly instead of never matching.
bool IsHostMember(std::string_view qualified_member);

}  // namespace tarn::host::sim
