#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::dialogs {

// One thing the headless user does in a modal dialog, on a control named as the dialog names
// it (EAE, btnBan, lbbansenders...).
struct UserAction {
    enum class Kind {
        Type,    // replaces the control's whole text by `text`, as typing over a selection does
        Select,  // selects `length` characters from `start` (0-based), with the mouse
        Press,   // clicks a button
        Key,     // presses the key `text` (DEL, UP, DOWN, A...) in the control
        Tick,    // ticks the item `text` of a check list, or a check box
        Untick,
        Choose,  // chooses the item `text` of a radio group or the topic list (by caption or index)
        Click,   // clicks the line `start` (0-based) of a list box
    };
    Kind kind = Kind::Press;
    std::string control;
    std::u16string text;
    int start = 0;
    int length = 0;
};

using DialogScript = std::vector<UserAction>;

// A script that cannot be read, or an action the dialog cannot take (a disabled button, a
// control that is not shown): what() says which, and where.
class DialogScriptError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Reads a script: actions separated by ";" or line breaks, each a verb and its words:
//   type CONTROL TEXT       the rest of the action is the text; "..." keeps spaces and ";"
//   select CONTROL START LENGTH
//   press CONTROL
//   key CONTROL KEY
//   tick CONTROL [ITEM], untick CONTROL [ITEM] (no item for a check box), choose CONTROL ITEM
//   click CONTROL LINE
// The text is UTF-8. Raises DialogScriptError naming the action that cannot be read.
DialogScript ParseDialogScript(std::string_view text);

}  // namespace tarn::dialogs
