#pragma once

#include <ostream>

#include "tools/sim/addin_session.h"

namespace tarn::tools::sim {

// The toolbars the add-in built in the main window (those its key records), each button with
// its order, tag, caption, hint, style, whether it is enabled, and its face's size: a table
// for a person, or one JSON object per button.
void PrintToolbars(std::ostream& out, bool json, AddinSession& session);

}  // namespace tarn::tools::sim
