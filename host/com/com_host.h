#pragma once

#include <memory>

#include "host/application.h"
#include "host/com/com_session.h"
#include "host/host_launcher.h"
#include "platform/win32/com_ptr.h"

namespace tarn::host::com {

// The application object a host hands its add-ins, as the host interfaces see it: Outlook's
// when it answers Outlook's _Application interface.
host::HostApplicationPtr WrapHostApplication(ComSessionPtr session, platform::ComPtr<IDispatch> application);

// The add-in's own COM add-in entry (the connection's AddInInst), or null when the object is
// not a COMAddIn.
std::shared_ptr<host::ComAddIn> WrapAddInEntry(ComSessionPtr session, platform::ComPtr<IDispatch> add_in);

// Reaches a running Outlook (GetActiveObject) or starts one (CoCreateInstance, told to quit
// when let go), for removing the add-in's controls at unregistration.
std::unique_ptr<host::HostLauncher> MakeComHostLauncher(ComSessionPtr session);

}  // namespace tarn::host::com
