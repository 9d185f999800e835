#pragma once
// In-process dial-up service for tests: connections and entries are set by hand, hang-ups
// and entry writes are recorded.
#include "platform/DialupService.h"

#include <map>
#include <optional>

namespace corvanta {

class FakeDialupService final : public IDialupService {
public:
    struct Connection {
        RasConn conn;
        RasConnStatus status;
        std::optional<RasStatus> statusError; // answer getConnectStatus with this error
        bool refuseHangUp = false;
    };

    RasHandle addConnection(const std::string& number, std::int32_t state,
                            const std::string& entryName = "Entry",
                            const std::string& deviceType = "modem");
    Connection& connection(RasHandle handle);
    void setState(RasHandle handle, std::int32_t state);
    void remove(RasHandle handle);
    std::size_t connectionCount() const { return connections_.size(); }

    void setEntry(const std::string& name, const RasEntry& entry) { entries_[name] = entry; }
    const std::map<std::string, RasEntry>& entries() const { return entries_; }

    // Scripted answers for enumConnections, used before the real list is answered.
    std::vector<std::pair<RasStatus, std::uint32_t>> scriptedEnumAnswers;

    std::vector<RasHandle> hangUps;
    std::vector<std::string> entryWrites;
    int enumCalls = 0;
    int statusCalls = 0;

    RasStatus enumConnections(std::vector<RasConn>& records, std::uint32_t& byteCount,
                              std::uint32_t& connectionCount) override;
    RasStatus getConnectStatus(RasHandle handle, RasConnStatus& status) override;
    RasStatus hangUp(RasHandle handle) override;
    RasStatus enumEntries(std::vector<std::string>& names) override;
    RasStatus getEntryProperties(const std::string& name, RasEntry& entry) override;
    RasStatus setEntryProperties(const std::string& name, const RasEntry& entry) override;

private:
    std::map<RasHandle, Connection> connections_;
    std::map<std::string, RasEntry> entries_;
    RasHandle nextHandle_ = 1;
};

} // namespace corvanta
