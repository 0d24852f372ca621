#include "tools/sim/state_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace tarn::tools::sim {

StateFolderLock::StateFolderLock(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw StateFolderUnavailable("cannot make the state folder \"" + folder.string() + "\": " + error.message());
    }
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) {
        throw StateFolderUnavailable("cannot open the state folder \"" + folder.string() + "\": " + std::strerror(errno));
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(descriptor_);
        if (reason == EWOULDBLOCK) {
            throw StateFolderUnavailable("the state folder \"" + folder.string() +
                                         "\" is in use by another tarn4ol-sim run; wait until it ends, or give "
                                         "another folder with --state");
        }
        throw StateFolderUnavailable("cannot lock the state folder \"" + folder.string() + "\": " +
                                     std::strerror(reason));
    }
}

StateFolderLock::~StateFolderLock() {
    if (descriptor_ >= 0) ::close(descriptor_);  // and the lock goes with it
}

}  // namespace tarn::tools::sim
