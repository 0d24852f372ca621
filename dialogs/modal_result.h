#pragma once

namespace tarn::dialogs {

// How a modal dialog of the add-in was closed: by the button that accepts (OK), the one that
// refuses (No), or by closing it without either (Cancel: the Close button, Esc, the close box).
enum class ModalResult { Ok, No, Cancel };

}  // namespace tarn::dialogs
