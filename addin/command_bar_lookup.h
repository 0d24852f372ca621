#pragma once

#include <string>

#include "host/application.h"
#include "host/command_bars.h"

namespace tarn::addin {

// The first bar of the collection whose name, or else whose local name, equals `name` without
// regard to case; null when there is none.
host::CommandBarPtr FindBarByName(host::CommandBars& bars, const std::u16string& name);

// The command bars of the application's active window, when it has at least one explorer or
// inspector open; null otherwise (Outlook started without a window).
host::CommandBarsPtr ActiveWindowCommandBars(host::Application& application);

}  // namespace tarn::addin
