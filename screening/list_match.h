#pragma once

#include <string_view>

#include "store/sorted_text_list.h"

namespace tarn::screening {

// The matching rule of the list tests: an entry matches a text when it occurs in it as a
// substring after both are lower-cased by the ASCII rule (only A to Z change). An empty entry
// never matches; an empty list matches nothing.
bool AnyEntryOccursIn(const store::SortedTextList& list, std::string_view text);

}  // namespace tarn::screening
