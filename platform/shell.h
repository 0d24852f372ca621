#pragma once

#include <string>

namespace tarn::platform {

// How the opened window is shown (the Windows show commands).
enum class ShowCommand : int { ShowNormal = 1, Show = 5, Restore = 9 };

// The shell's "open" verb on a file or a web address: the user's browser, help viewer...
// Whether it succeeds is not reported.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Open(const std::u16string& target, ShowCommand show) = 0;
};

}  // namespace tarn::platform
