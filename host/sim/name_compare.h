#pragma once

#include <string_view>

namespace tarn::host::sim {

// Compares two names as Outlook compares folder and command bar names: letters match
// regardless of case (ASCII, Latin-1, Latin Extended-A, basic Greek and Cyrillic).
bool NamesEqual(std::u16string_view a, std::u16string_view b) noexcept;

}  // namespace tarn::host::sim
