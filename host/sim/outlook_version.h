#pragma once

#include <cstdint>

namespace tarn::host::sim {

// Which Outlook the test host plays where Outlooks differ from each other.
enum class OutlookVersion : std::uint8_t {
    // Outlook 2000 to 2007: command bars in every window; at exit OnBeginShutdown and
    // OnDisconnection come.
    Outlook2007,
    // Classic Outlook 2010 to 365: at a normal exit the windows close and the application's
    // Quit comes, then the process ends without OnBeginShutdown or OnDisconnection (Microsoft,
    // "Shutdown Changes for Outlook 2010"); the full shutdown comes only when the user
    // disconnects the add-in in the COM Add-ins dialog.
    Outlook2016,
};

// Whether Outlook's exit ends the process without the add-in's shutdown calls.
constexpr bool ExitsWithoutShutdown(OutlookVersion version) noexcept { return version != OutlookVersion::Outlook2007; }

}  // namespace tarn::host::sim
