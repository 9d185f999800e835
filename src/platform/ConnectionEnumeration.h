#pragma once
#include "platform/DialupService.h"

namespace corvanta {

struct ConnectionList {
    RasStatus result = ras::kSuccess;
    std::vector<RasConn> connections;
};

// Up to five attempts, starting with room for one record and growing to what the service asks
// for after kBufferTooSmall. A size no sane service needs counts as an allocation failure.
ConnectionList enumerateConnections(IDialupService& service);

constexpr std::uint32_t kMaxConnectionBufferBytes = ras::kConnRecordSize * 4096;

} // namespace corvanta
