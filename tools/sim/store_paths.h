#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/sim/sim_outlook.h"

namespace tarn::tools::sim {

// A folder named on the command line that is not there, or a selection that is no list of
// item numbers; what() says which and why.
class StorePathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The folder a path names: a default folder by its name ("Inbox", "Sent Items", "Deleted
// Items", "Drafts", "Outbox", "Contacts", "Calendar"), then its subfolders, separated by "/"
// ("Inbox/Quarantine"), each compared without regard to case. With `create`, missing
// subfolders are made as mail folders; without, a missing one raises StorePathError.
std::shared_ptr<host::sim::SimFolder> FolderAt(host::sim::SimOutlook& outlook, std::string_view path, bool create);

// The path of a folder, as FolderAt takes it.
std::string PathOf(host::sim::SimOutlook& outlook, const std::shared_ptr<host::sim::SimFolder>& folder);

// The item numbers of a selection such as "1,3-5" (1-based, in the order written); raises
// StorePathError for anything else, and for a number above `count`.
std::vector<long> ParseSelection(std::string_view text, long count);

}  // namespace tarn::tools::sim
