#include "platform/ConnectionEnumeration.h"

#include <algorithm>
#include <new>

namespace corvanta {

ConnectionList enumerateConnections(IDialupService& service) {
    ConnectionList list;
    std::uint32_t byteCount = ras::kConnRecordSize;
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::vector<RasConn> records;
        try {
            if (byteCount > kMaxConnectionBufferBytes)
                throw std::bad_alloc();
            records.resize(byteCount / ras::kConnRecordSize);
        } catch (const std::bad_alloc&) {
            list.result = ras::kNotEnoughMemory;
            list.connections.clear();
            return list;
        }
        std::uint32_t count = 0;
        list.result = service.enumConnections(records, byteCount, count);
        if (list.result == ras::kBufferTooSmall)
            continue;
        if (list.result == ras::kSuccess) {
            records.resize(std::min<std::size_t>(count, records.size()));
            list.connections = std::move(records);
        }
        return list;
    }
    return list;
}

} // namespace corvanta
