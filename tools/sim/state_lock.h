#pragma once

#include <filesystem>
#include <stdexcept>

namespace tarn::tools::sim {

// Another run holds the state folder, or it cannot be made or opened; what() says which.
class StateFolderUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Keeps a second tarn4ol-sim away from a state folder while this run uses it: both would save
// lists and settings of their own, and the last to end would undo the other's. An advisory
// lock on the folder itself, which the system drops when the run ends, however it ends.
class StateFolderLock {
public:
    // Makes the folder when it is missing. Raises StateFolderUnavailable.
    explicit StateFolderLock(const std::filesystem::path& folder);
    ~StateFolderLock();
    StateFolderLock(const StateFolderLock&) = delete;
    StateFolderLock& operator=(const StateFolderLock&) = delete;

private:
    int descriptor_ = -1;
};

}  // namespace tarn::tools::sim
