#pragma once

#include <stdexcept>
#include <string>

namespace tarn::addin {

// A failure of the add-in framework with the number Outlook is told as its help context.
class AddinError : public std::runtime_error {
public:
    AddinError(const std::string& message, int help_context) : std::runtime_error(message), help_context_(help_context) {}
    int HelpContext() const noexcept { return help_context_; }

private:
    int help_context_;
};

namespace error_number {
inline constexpr int UnsupportedHost = 31101;      // the host is not Outlook
inline constexpr int MissingCommandBar = 31102;    // a control's bar does not exist
inline constexpr int IllegalBarName = 31103;       // an apostrophe in a bar name
inline constexpr int ControlsNotRemoved = 31104;   // unregistration could not remove the controls
}  // namespace error_number

}  // namespace tarn::addin
