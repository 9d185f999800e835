#pragma once
// The dial-up service simulated in a per-user SQLite file, shared by the program and the
// corvanta-dialsim tool (which plays the programs that dial). A connection walks the published
// dialing states by elapsed time; one past its hang-up time has ended.
#include "platform/DialupService.h"
#include "platform/SimulatedDialing.h"

#include <functional>
#include <memory>
#include <optional>

namespace corvanta {

class SqliteDatabase;

struct DialRequest {
    std::string entry;  // dial this entry's main number ...
    std::string number; // ... or, with no entry, this number
    std::string deviceType = "modem";
    std::string deviceName = "Simulated Modem";
    std::int64_t connectAfterMs = 3000;
    std::optional<std::string> address;        // default: one from 198.51.100.0/24
    std::optional<std::int64_t> hangupAfterMs; // counted from the dial
};

struct SimulatedConnection {
    RasHandle handle = 0;
    std::string entry;
    std::string number;
    std::string deviceType;
    std::string deviceName;
    std::int32_t state = 0;
    std::string address; // the address it has once connected
};

struct DialupHistoryRecord {
    std::int64_t atMs = 0;
    std::string event; // "hangup", "ended", "entry-write", "entry-remove"
    std::string by;    // who did it; empty for a connection that ended by itself
    std::string detail;
};

class SimulatedDialupService final : public IDialupService {
public:
    using NowMs = std::function<std::int64_t()>;

    // $XDG_STATE_HOME/Corvanta/dialup.sqlite3
    static std::string defaultPath();
    static std::int64_t systemNowMs();

    // `by` names this side in the history ("program", "dialsim"). The file is opened on first
    // use; while it cannot be opened every call answers kCannotOpenPhonebook.
    explicit SimulatedDialupService(std::string databasePath = defaultPath(),
                                    NowMs nowMs = systemNowMs, std::string by = "program");
    ~SimulatedDialupService() override;

    RasStatus enumConnections(std::vector<RasConn>& records, std::uint32_t& byteCount,
                              std::uint32_t& connectionCount) override;
    RasStatus getConnectStatus(RasHandle handle, RasConnStatus& status) override;
    RasStatus hangUp(RasHandle handle) override;
    RasStatus enumEntries(std::vector<std::string>& names) override;
    RasStatus getEntryProperties(const std::string& name, RasEntry& entry) override;
    // Rewrites an existing entry; use putEntry to create one.
    RasStatus setEntryProperties(const std::string& name, const RasEntry& entry) override;

    // The tool's side: create or replace an entry, remove one, dial, look, reset.
    RasStatus putEntry(const std::string& name, const RasEntry& entry);
    RasStatus removeEntry(const std::string& name);
    RasStatus dial(const DialRequest& request, RasHandle& handle);
    RasStatus connections(std::vector<SimulatedConnection>& list);
    RasStatus history(std::vector<DialupHistoryRecord>& records);
    RasStatus reset();

    // Address of the first connected connection, for the address watch.
    std::optional<std::string> connectedAddress();

    // Text of the last failure that was not a plain status (an unreadable file, ...).
    std::string lastError() const { return lastError_; }

private:
    struct Impl;
    template <typename F> RasStatus guarded(F&& action);

    std::unique_ptr<Impl> impl_;
    std::string lastError_;
};

} // namespace corvanta
