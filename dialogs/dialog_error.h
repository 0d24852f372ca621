#pragma once

#include <stdexcept>

namespace tarn::dialogs {

// A window of the add-in that could not be created or shown.
class DialogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tarn::dialogs
