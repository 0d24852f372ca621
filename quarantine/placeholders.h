#pragma once

#include <string>
#include <string_view>

namespace tarn::quarantine {

// Replaces every occurrence of a report placeholder such as "$nbmsgs$", without regard to the
// letter case of A to Z.
void ReplacePlaceholder(std::string& page, std::string_view placeholder, std::string_view value);

}  // namespace tarn::quarantine
