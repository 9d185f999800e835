#pragma once
// Integrity check of the program's own file. The build appends a trailer holding the SHA-256
// of everything before it (cmake/Seal.cmake); a file changed afterwards no longer matches.
#include <string>

namespace corvanta {

enum class SelfCheckStatus { Ok, NotSealed, Altered, Unreadable };

struct SelfCheckResult {
    SelfCheckStatus status = SelfCheckStatus::Unreadable;
    std::string message; // for the user; empty when Ok

    bool ok() const { return status == SelfCheckStatus::Ok; }
};

SelfCheckResult verifyExecutable(const std::string& path);

} // namespace corvanta
