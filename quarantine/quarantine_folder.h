#pragma once

#include <cstdint>

#include "host/application.h"
#include "platform/message_box.h"
#include "store/captions.h"

namespace tarn::quarantine {

inline constexpr std::u16string_view QuarantineName = u"Quarantine";

// The "Quarantine" folder directly below the Inbox of the application's session, created when
// it is missing. A failure to find it reaches the caller.
host::FolderPtr GetQuarantineFolder(host::Application& application);

// Where spam goes: Deleted Items when the setting "Move to Folder" is non-zero, else the
// quarantine folder.
host::FolderPtr SpamDestination(host::Application& application, std::uint8_t move_to_folder);

// Makes sure the first group of the Outlook Bar has a shortcut named "Quarantine" (exactly, in
// that case); when it has none, adds one to the quarantine folder and tells the user where.
// A missing explorer pane, Outlook Bar or group ends it silently.
void EnsureQuarantineShortcut(host::Application& application, const store::Captions& captions,
                              platform::MessageBoxes& message_boxes);

}  // namespace tarn::quarantine
