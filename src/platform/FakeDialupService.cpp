#include "platform/FakeDialupService.h"

#include <stdexcept>

namespace corvanta {

RasHandle FakeDialupService::addConnection(const std::string& number, std::int32_t state,
                                           const std::string& entryName,
                                           const std::string& deviceType) {
    const RasHandle handle = nextHandle_++;
    Connection c;
    c.conn = RasConn{handle, entryName, deviceType, "Modem " + std::to_string(handle)};
    c.status.state = state;
    c.status.deviceType = deviceType;
    c.status.deviceName = c.conn.deviceName;
    c.status.phoneNumber = number;
    connections_[handle] = c;
    return handle;
}

FakeDialupService::Connection& FakeDialupService::connection(RasHandle handle) {
    return connections_.at(handle);
}

void FakeDialupService::setState(RasHandle handle, std::int32_t state) {
    connections_.at(handle).status.state = state;
}

void FakeDialupService::remove(RasHandle handle) {
    connections_.erase(handle);
}

RasStatus FakeDialupService::enumConnections(std::vector<RasConn>& records,
                                             std::uint32_t& byteCount,
                                             std::uint32_t& connectionCount) {
    ++enumCalls;
    if (!scriptedEnumAnswers.empty()) {
        const auto [status, bytes] = scriptedEnumAnswers.front();
        scriptedEnumAnswers.erase(scriptedEnumAnswers.begin());
        byteCount = bytes;
        connectionCount = 0;
        return status;
    }
    const auto needed = static_cast<std::uint32_t>(connections_.size() * ras::kConnRecordSize);
    connectionCount = static_cast<std::uint32_t>(connections_.size());
    if (records.size() < connections_.size()) {
        byteCount = needed;
        return ras::kBufferTooSmall;
    }
    std::size_t i = 0;
    for (const auto& [handle, c] : connections_)
        records[i++] = c.conn;
    byteCount = needed;
    return ras::kSuccess;
}

RasStatus FakeDialupService::getConnectStatus(RasHandle handle, RasConnStatus& status) {
    ++statusCalls;
    const auto it = connections_.find(handle);
    if (it == connections_.end())
        return ras::kInvalidHandle;
    if (it->second.statusError)
        return *it->second.statusError;
    status = it->second.status;
    return ras::kSuccess;
}

RasStatus FakeDialupService::hangUp(RasHandle handle) {
    hangUps.push_back(handle);
    const auto it = connections_.find(handle);
    if (it == connections_.end())
        return ras::kInvalidHandle;
    if (!it->second.refuseHangUp)
        connections_.erase(it);
    return ras::kSuccess;
}

RasStatus FakeDialupService::enumEntries(std::vector<std::string>& names) {
    names.clear();
    for (const auto& [name, entry] : entries_) {
        if (names.size() == ras::kMaxEntries)
            break;
        names.push_back(name);
    }
    return ras::kSuccess;
}

RasStatus FakeDialupService::getEntryProperties(const std::string& name, RasEntry& entry) {
    const auto it = entries_.find(name);
    if (it == entries_.end())
        return ras::kCannotFindEntry;
    entry = it->second;
    return ras::kSuccess;
}

RasStatus FakeDialupService::setEntryProperties(const std::string& name, const RasEntry& entry) {
    if (!entries_.count(name))
        return ras::kCannotFindEntry;
    entries_[name] = entry;
    entryWrites.push_back(name);
    return ras::kSuccess;
}

} // namespace corvanta
