#include "platform/SimulatedDialupService.h"

#include "platform/Paths.h"
#include "platform/SqliteDatabase.h"

#include <chrono>

namespace corvanta {
namespace {

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS entries(name TEXT PRIMARY KEY COLLATE NOCASE, number TEXT NOT NULL,
    opaque BLOB NOT NULL, device_info BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS alternates(entry TEXT NOT NULL COLLATE NOCASE,
    position INTEGER NOT NULL, number TEXT NOT NULL, PRIMARY KEY(entry, position));
CREATE TABLE IF NOT EXISTS connections(handle INTEGER PRIMARY KEY AUTOINCREMENT,
    entry TEXT NOT NULL, number TEXT NOT NULL, device_type TEXT NOT NULL,
    device_name TEXT NOT NULL, started_ms INTEGER NOT NULL, connect_after_ms INTEGER NOT NULL,
    address TEXT, hangup_after_ms INTEGER);
CREATE TABLE IF NOT EXISTS history(id INTEGER PRIMARY KEY AUTOINCREMENT,
    at_ms INTEGER NOT NULL, event TEXT NOT NULL, by TEXT NOT NULL, detail TEXT NOT NULL);
)";

// ?1 is "now" in every statement that uses these.
const std::string kAlive = "(hangup_after_ms IS NULL OR ?1 < started_ms + hangup_after_ms)";
const std::string kEnded = "(hangup_after_ms IS NOT NULL AND ?1 >= started_ms + hangup_after_ms)";
const std::string kConnectionDetail =
    "'handle ' || handle || ', entry ' || entry || ', number ' || number";

std::string defaultAddress(RasHandle handle) {
    return "198.51.100." + std::to_string(handle % 254 + 1);
}

std::string entryDetail(const std::string& name, const RasEntry& entry) {
    std::string detail = name + ": " + entry.localPhoneNumber;
    for (const std::string& alternate : entry.alternates)
        detail += ", " + alternate;
    return detail;
}

} // namespace

struct SimulatedDialupService::Impl {
    std::string path;
    NowMs nowMs;
    std::string by;
    std::unique_ptr<SqliteDatabase> database;

    SqliteDatabase& db() {
        if (!database) {
            auto opened = std::make_unique<SqliteDatabase>(path);
            opened->exec(kSchema);
            database = std::move(opened);
        }
        return *database;
    }

    // Moves connections past their hang-up time into the history. Most calls find none, so
    // they only read.
    void recordEnded(std::int64_t now) {
        auto any = db().prepare("SELECT EXISTS(SELECT 1 FROM connections WHERE " + kEnded + ")");
        any.bind(1, now);
        if (!any.step() || any.integer(0) == 0)
            return;
        SqliteTransaction transaction(db());
        db().prepare("INSERT INTO history(at_ms, event, by, detail) SELECT "
                     "started_ms + hangup_after_ms, 'ended', '', " +
                     kConnectionDetail + " FROM connections WHERE " + kEnded +
                     " ORDER BY started_ms + hangup_after_ms")
            .bind(1, now)
            .run();
        db().prepare("DELETE FROM connections WHERE " + kEnded).bind(1, now).run();
        transaction.commit();
    }

    void addHistory(std::int64_t now, const std::string& event, const std::string& detail) {
        db().prepare("INSERT INTO history(at_ms, event, by, detail) VALUES(?1, ?2, ?3, ?4)")
            .bind(1, now)
            .bind(2, event)
            .bind(3, by)
            .bind(4, detail)
            .run();
    }

    // The entry's name as the phone book spells it.
    std::optional<std::string> storedName(const std::string& name) {
        auto select = db().prepare("SELECT name FROM entries WHERE name = ?1");
        if (!select.bind(1, name).step())
            return std::nullopt;
        return select.text(0);
    }

    RasStatus writeEntry(const std::string& name, const RasEntry& entry, bool mustExist) {
        if (const RasStatus status = checkEntryRecord(name, entry))
            return status;
        SqliteTransaction transaction(db());
        const bool exists = storedName(name).has_value();
        if (mustExist && !exists)
            return ras::kCannotFindEntry;
        auto count = db().prepare("SELECT COUNT(*) FROM entries");
        if (!exists && count.step() && count.integer(0) >= std::int64_t(ras::kMaxEntries))
            return ras::kCannotWritePhonebook;
        db().prepare("INSERT INTO entries(name, number, opaque, device_info) "
                     "VALUES(?1, ?2, ?3, ?4) ON CONFLICT(name) DO UPDATE SET "
                     "number = excluded.number, opaque = excluded.opaque, "
                     "device_info = excluded.device_info")
            .bind(1, name)
            .bind(2, entry.localPhoneNumber)
            .bind(3, entry.opaque)
            .bind(4, entry.deviceInfo)
            .run();
        db().prepare("DELETE FROM alternates WHERE entry = ?1").bind(1, name).run();
        auto insert =
            db().prepare("INSERT INTO alternates(entry, position, number) VALUES(?1, ?2, ?3)");
        for (std::size_t i = 0; i < entry.alternates.size(); ++i)
            insert.bind(1, name).bind(2, std::int64_t(i)).bind(3, entry.alternates[i]).run();
        addHistory(nowMs(), "entry-write", entryDetail(name, entry));
        transaction.commit();
        return ras::kSuccess;
    }
};

std::string SimulatedDialupService::defaultPath() {
    return paths::stateFolder() + "/dialup.sqlite3";
}

std::int64_t SimulatedDialupService::systemNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

SimulatedDialupService::SimulatedDialupService(std::string databasePath, NowMs nowMs,
                                               std::string by)
    : impl_(new Impl{std::move(databasePath), std::move(nowMs), std::move(by), nullptr}) {}

SimulatedDialupService::~SimulatedDialupService() = default;

template <typename F> RasStatus SimulatedDialupService::guarded(F&& action) {
    try {
        return action();
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return ras::kCannotOpenPhonebook;
    }
}

RasStatus SimulatedDialupService::enumConnections(std::vector<RasConn>& records,
                                                  std::uint32_t& byteCount,
                                                  std::uint32_t& connectionCount) {
    return guarded([&] {
        const std::int64_t now = impl_->nowMs();
        impl_->recordEnded(now);
        auto select = impl_->db().prepare(
            "SELECT handle, entry, device_type, device_name FROM connections WHERE " + kAlive +
            " ORDER BY handle");
        select.bind(1, now);
        std::vector<RasConn> alive;
        while (select.step())
            alive.push_back(
                {RasHandle(select.integer(0)), select.text(1), select.text(2), select.text(3)});
        const std::size_t room =
            std::min<std::size_t>(records.size(), byteCount / ras::kConnRecordSize);
        connectionCount = static_cast<std::uint32_t>(alive.size());
        byteCount = static_cast<std::uint32_t>(alive.size() * ras::kConnRecordSize);
        if (alive.size() > room)
            return ras::kBufferTooSmall;
        std::move(alive.begin(), alive.end(), records.begin());
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::getConnectStatus(RasHandle handle, RasConnStatus& status) {
    return guarded([&] {
        const std::int64_t now = impl_->nowMs();
        impl_->recordEnded(now);
        auto select = impl_->db().prepare(
            "SELECT number, device_type, device_name, started_ms, connect_after_ms "
            "FROM connections WHERE handle = ?2 AND " +
            kAlive);
        select.bind(1, now).bind(2, std::int64_t(handle));
        if (!select.step())
            return ras::kInvalidHandle;
        status = RasConnStatus{dialingState(now - select.integer(3), select.integer(4)), 0,
                               select.text(1), select.text(2), select.text(0)};
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::hangUp(RasHandle handle) {
    return guarded([&] {
        const std::int64_t now = impl_->nowMs();
        impl_->recordEnded(now);
        SqliteDatabase& db = impl_->db();
        SqliteTransaction transaction(db);
        db.prepare("INSERT INTO history(at_ms, event, by, detail) SELECT ?1, 'hangup', ?2, " +
                   kConnectionDetail + " FROM connections WHERE handle = ?3")
            .bind(1, now)
            .bind(2, impl_->by)
            .bind(3, std::int64_t(handle))
            .run();
        if (db.changes() == 0)
            return ras::kInvalidHandle;
        db.prepare("DELETE FROM connections WHERE handle = ?1").bind(1, std::int64_t(handle)).run();
        transaction.commit();
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::enumEntries(std::vector<std::string>& names) {
    return guarded([&] {
        auto select = impl_->db().prepare("SELECT name FROM entries ORDER BY rowid LIMIT ?1");
        select.bind(1, std::int64_t(ras::kMaxEntries));
        names.clear();
        while (select.step())
            names.push_back(select.text(0));
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::getEntryProperties(const std::string& name, RasEntry& entry) {
    return guarded([&] {
        auto select =
            impl_->db().prepare("SELECT number, opaque, device_info FROM entries WHERE name = ?1");
        if (!select.bind(1, name).step())
            return ras::kCannotFindEntry;
        RasEntry read{select.text(0), {}, select.blob(1), select.blob(2)};
        auto alternates =
            impl_->db().prepare("SELECT number FROM alternates WHERE entry = ?1 ORDER BY position");
        alternates.bind(1, name);
        while (alternates.step())
            read.alternates.push_back(alternates.text(0));
        entry = std::move(read);
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::setEntryProperties(const std::string& name,
                                                     const RasEntry& entry) {
    return guarded([&] { return impl_->writeEntry(name, entry, true); });
}

RasStatus SimulatedDialupService::putEntry(const std::string& name, const RasEntry& entry) {
    return guarded([&] { return impl_->writeEntry(name, entry, false); });
}

RasStatus SimulatedDialupService::removeEntry(const std::string& name) {
    return guarded([&] {
        SqliteDatabase& db = impl_->db();
        SqliteTransaction transaction(db);
        db.prepare("DELETE FROM entries WHERE name = ?1").bind(1, name).run();
        if (db.changes() == 0)
            return ras::kCannotFindEntry;
        db.prepare("DELETE FROM alternates WHERE entry = ?1").bind(1, name).run();
        impl_->addHistory(impl_->nowMs(), "entry-remove", name);
        transaction.commit();
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::dial(const DialRequest& request, RasHandle& handle) {
    return guarded([&] {
        if (request.connectAfterMs < 0 || request.hangupAfterMs.value_or(0) < 0)
            return ras::kInvalidParameter;
        std::string entryName = request.entry;
        std::string number = request.number;
        if (!request.entry.empty()) {
            RasEntry entry;
            if (const RasStatus status = getEntryProperties(request.entry, entry))
                return status;
            number = entry.localPhoneNumber;
            entryName = impl_->storedName(request.entry).value_or(request.entry);
        } else {
            entryName = "." + number; // how the service names a connection made without entry
        }
        if (number.empty())
            return ras::kInvalidParameter;
        if (const RasStatus status = checkPhoneNumberLength(number))
            return status;
        SqliteDatabase& db = impl_->db();
        db.prepare("INSERT INTO connections(entry, number, device_type, device_name, started_ms, "
                   "connect_after_ms, address, hangup_after_ms) "
                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
            .bind(1, entryName)
            .bind(2, number)
            .bind(3, request.deviceType)
            .bind(4, request.deviceName)
            .bind(5, impl_->nowMs())
            .bind(6, request.connectAfterMs)
            .bind(7, request.address)
            .bind(8, request.hangupAfterMs)
            .run();
        handle = RasHandle(db.lastInsertRowId());
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::connections(std::vector<SimulatedConnection>& list) {
    return guarded([&] {
        const std::int64_t now = impl_->nowMs();
        impl_->recordEnded(now);
        auto select = impl_->db().prepare(
            "SELECT handle, entry, number, device_type, device_name, started_ms, "
            "connect_after_ms, address FROM connections WHERE " +
            kAlive + " ORDER BY handle");
        select.bind(1, now);
        list.clear();
        while (select.step()) {
            const auto handle = RasHandle(select.integer(0));
            list.push_back({handle, select.text(1), select.text(2), select.text(3), select.text(4),
                            dialingState(now - select.integer(5), select.integer(6)),
                            select.isNull(7) ? defaultAddress(handle) : select.text(7)});
        }
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::history(std::vector<DialupHistoryRecord>& records) {
    return guarded([&] {
        impl_->recordEnded(impl_->nowMs());
        auto select =
            impl_->db().prepare("SELECT at_ms, event, by, detail FROM history ORDER BY at_ms, id");
        records.clear();
        while (select.step())
            records.push_back({select.integer(0), select.text(1), select.text(2), select.text(3)});
        return ras::kSuccess;
    });
}

RasStatus SimulatedDialupService::reset() {
    return guarded([&] {
        SqliteDatabase& db = impl_->db();
        SqliteTransaction transaction(db);
        db.exec("DELETE FROM entries; DELETE FROM alternates; DELETE FROM connections; "
                "DELETE FROM history;");
        transaction.commit();
        return ras::kSuccess;
    });
}

std::optional<std::string> SimulatedDialupService::connectedAddress() {
    std::vector<SimulatedConnection> list;
    if (connections(list) != ras::kSuccess)
        return std::nullopt;
    for (const SimulatedConnection& connection : list)
        if (connection.state == ras::kConnected)
            return connection.address;
    return std::nullopt;
}

} // namespace corvanta
