#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/options_view.h"

namespace tarn::dialogs {

// What an options window shows and holds: its texts, the page shown, the ticks, choices and
// list contents. A view keeps it whether or not its window exists, so that the presenter can
// fill the window before showing it and read it after it is gone. The initial values are the
// window's designed state.
struct OptionsWindowState {
    struct Radio {
        std::u16string caption;
        std::vector<std::u16string> items;
        int index = 0;
        bool enabled = true;
    };
    struct Check {
        std::u16string caption;
        bool checked = false;
    };
    struct Editor {
        std::vector<std::u16string> lines;
        std::set<std::size_t> selected;
        int caret = -1;
        std::u16string entry;
        bool entry_all_selected = false;
        std::u16string count_label;
    };

    std::uint8_t char_set = 1;
    bool shell_dialog_font = false;
    std::array<std::u16string, 8> topics;
    int active_page = 0;
    std::array<int, 2> inner_tabs{};  // of the senders and the words page: 0 the first tab
    std::u16string banner_title;
    std::u16string banner_hint;
    std::map<std::string, std::u16string> captions;  // by control name
    std::array<bool, 12> alphabets{};
    std::array<Radio, 3> radios;
    std::array<Check, 5> checks;
    std::array<Editor, ListEditorCount> editors;
};

// The alphabets of the check list, in item order.
inline constexpr std::array<std::string_view, 12> AlphabetNames = {
    "Arabic", "Baltic", "CentralEuropean", "Chinese", "Cyrillic", "Greek",
    "Hebrew", "Japanese", "Korean",         "Thai",    "Turkish",  "Vietnamese"};

}  // namespace tarn::dialogs
