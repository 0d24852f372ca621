#pragma once

#include <string>

namespace tarn::platform {

enum class MessageBoxKind { Information, Error };

// A modal message box with one OK button.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::u16string& text, const std::u16string& caption, MessageBoxKind kind) = 0;
};

}  // namespace tarn::platform
