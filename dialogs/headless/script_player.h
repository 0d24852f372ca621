#pragma once

#include <optional>
#include <string>

#include "dialogs/headless/dialog_script.h"
#include "dialogs/modal_result.h"

namespace tarn::dialogs {

// Plays a script as the user of a modal dialog: takes each action in turn until one closes the
// dialog (sets `closing`). An action the dialog cannot take (DialogScriptError) is written to
// `refused` and closes the dialog as Close does; a script that ends first closes it with Close.
// Returns how the dialog closed.
template <class Take>
ModalResult PlayScript(const DialogScript& script, std::optional<ModalResult>& closing, std::string& refused,
                       Take&& take) {
    closing.reset();
    for (const auto& action : script) {
        try {
            take(action);
        } catch (const DialogScriptError& error) {
            refused = error.what();
            closing = ModalResult::Cancel;
        }
        if (closing) break;
    }
    return closing.value_or(ModalResult::Cancel);
}

}  // namespace tarn::dialogs
