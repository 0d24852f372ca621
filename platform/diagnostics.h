#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tarn::platform {

// Where the add-in writes down a failure that it contains instead of showing it, so that the
// user, or whoever helps them, can find out later why something did not happen.
class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    // `place`: what the add-in was doing ("OnSentItemAdd"); `failure`: the error text, which
    // names the member that failed for a call into Outlook and the file for a file error.
    virtual void Record(std::string_view place, std::string_view failure) noexcept = 0;
};

// The text of the exception being handled; to be called inside a catch block only.
std::string CurrentFailureText() noexcept;

// Runs the work and contains whatever it raises, recording it with the place. Returns whether
// the work completed. This is how the add-in swallows a failure: never silently.
template <class Work>
bool Contain(Diagnostics& diagnostics, std::string_view place, Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
        return true;
    } catch (...) {
        diagnostics.Record(place, CurrentFailureText());
        return false;
    }
}

}  // namespace tarn::platform
