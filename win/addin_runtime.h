#pragma once

#include <filesystem>
#include <memory>

#include "addin/addin_registration.h"
#include "addin/resource_button_faces.h"
#include "addin/tarn_addin.h"
#include "host/com/com_session.h"
#include "platform/diagnostics_log.h"
#include "platform/services.h"
#include "platform/win32/mapi32_library.h"
#include "platform/win32/win32_class_registry.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_debug_output.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_message_pump.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_timer_factory.h"
#include "screening/rules_engine.h"
#include "win/views/win32_dialog_factory.h"

namespace tarn::win {

// Everything the add-in object needs inside Outlook: Windows' own services, the rating engine
// and the files beside the library, and the add-in itself with the library's folder as its
// installation directory. One per add-in object, made on Outlook's user-interface thread.
class AddinRuntime {
public:
    AddinRuntime();
    AddinRuntime(const AddinRuntime&) = delete;
    AddinRuntime& operator=(const AddinRuntime&) = delete;

    addin::TTarnAddin& Addin() noexcept { return *addin_; }
    const host::com::ComSessionPtr& Session() const noexcept { return session_; }
    platform::Diagnostics& Diagnostics() noexcept { return diagnostics_; }

private:
    std::filesystem::path folder_;
    platform::Win32Clock clock_;
    platform::Win32LocaleFormat locale_;
    platform::Win32MessagePump pump_;
    platform::Win32MessageBoxes message_boxes_;
    platform::Win32Shell shell_;
    platform::Win32Registry registry_;
    platform::Mapi32Library mapi_;
    platform::Win32DebugOutput debug_output_;
    platform::DiagnosticsLog diagnostics_{debug_output_, clock_};
    platform::Win32TimerFactory timers_{diagnostics_};
    platform::Services services_{clock_, locale_, pump_, message_boxes_, shell_, timers_, registry_, mapi_, diagnostics_};
    platform::Win32ClassRegistry classes_;
    addin::AddInRegistration registration_{registry_, classes_};
    addin::ResourceButtonFaces faces_;
    Win32DialogFactory dialogs_{diagnostics_};
    std::unique_ptr<screening::RulesEngine> engine_;
    host::com::ComSessionPtr session_;
    std::unique_ptr<addin::TTarnAddin> addin_;
};

}  // namespace tarn::win
