#pragma once

#include <ostream>

#include "host/sim/sim_outlook.h"

namespace tarn::tools::sim {

// Every folder that holds items at the end of a run, with its path and each item's subject
// and sender (up to 20 a folder, then how many more), as text or as one JSON object.
void PrintFolders(std::ostream& out, bool json, host::sim::SimOutlook& outlook);

}  // namespace tarn::tools::sim
