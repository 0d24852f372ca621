#pragma once

#include <string>
#include <string_view>

namespace tarn::win {

// The access keys of one window: the underlined letter of a button's caption that Alt and the
// letter (or the letter alone, away from an entry field) press. The captions come from the
// language file without any, so each is given the first letter or digit that no other control
// of the window has taken, preferring the first letters of its words ("Every &15 minutes"
// beside "&Every hour"); a caption whose every letter is taken gets none. An "&" of the
// caption itself stays text.
class AccessKeys {
public:
    // `taken`: keys that the window already uses elsewhere (the frame's, for a page).
    explicit AccessKeys(std::u16string taken = {});

    // The caption as a control's window text, with its access key marked.
    std::u16string Mark(std::u16string_view caption);

    // Every key taken so far, in capitals.
    const std::u16string& Taken() const noexcept { return taken_; }

private:
    bool Free(char16_t key) const;

    std::u16string taken_;
};

}  // namespace tarn::win
