#pragma once
// Single-instance rule: a per-user lock file named after the mutex "Corvanta v.1.7", held
// with flock for the life of the process. The system drops the lock when the process ends.
#include <string>

namespace corvanta {

class TPreviousInstance {
public:
    static constexpr const char* kMutexName = "Corvanta v.1.7";

    TPreviousInstance(); // lock file in the runtime folder
    explicit TPreviousInstance(std::string folder);

    // Takes the lock, or sets AlreadyRunning when another process holds it.
    void CheckPreviousInstance();

    int MutexHandle = -1; // the lock file's descriptor; never closed while we hold the lock
    bool AlreadyRunning = false;

private:
    std::string folder_;
};

} // namespace corvanta
