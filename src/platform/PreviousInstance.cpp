#include "platform/PreviousInstance.h"

#include "platform/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace corvanta {

TPreviousInstance::TPreviousInstance() : TPreviousInstance(paths::runtimeFolder()) {}

TPreviousInstance::TPreviousInstance(std::string folder) : folder_(std::move(folder)) {}

void TPreviousInstance::CheckPreviousInstance() {
    const std::string path = folder_ + "/" + kMutexName + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return; // like a failed CreateMutex: no handle, and the copy runs
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            AlreadyRunning = true;
        ::close(fd);
        return;
    }
    MutexHandle = fd;
}

} // namespace corvanta
