#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace tarn::tools::sim {

// tarn4ol-sim --dump: each message of each mailbox in turn, its source and then the
// properties the importer stores for it, to `out`; each message that cannot be read, with its
// source and the reason, to `errors`. Returns the program's exit status.
int RunDump(const std::vector<std::filesystem::path>& mailboxes, std::ostream& out, std::ostream& errors);

}  // namespace tarn::tools::sim
