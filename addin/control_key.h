#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/constants.h"

namespace tarn::addin {

// The kind word of a control type as the add-in writes it in control keys and in "CtrlTags":
// "BTN", "EDT", "DROPDOWN", "CBOX", "POPUP"; empty for another type.
std::string_view KindWord(host::ControlType type);
// The control type a kind word names, without regard to case; none for another word.
std::optional<host::ControlType> TypeOfKindWord(std::string_view word);

// A control's key: its kind word, a colon and its tag ("BTN:btnAbout").
std::string ControlKey(host::ControlType type, std::u16string_view tag);

// A key split at its first colon into kind word and tag, each trimmed of blanks; without a
// colon the whole key is the kind word and the tag is empty.
struct SplitKey {
    std::string kind;
    std::string tag;
    bool operator==(const SplitKey&) const = default;
};
SplitKey SplitControlKey(std::string_view key);

// The items of a "CmdBars" or "CtrlTags" value: the text up to each backslash, trimmed of
// blanks, in order, until the item and the rest are both empty (so an empty item between two
// backslashes counts, blanks after the last one do not).
std::vector<std::string> SplitRecordedList(std::string_view list);

}  // namespace tarn::addin
