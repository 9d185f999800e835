#include "platform/SqliteRegistry.h"

#include "platform/Paths.h"
#include "platform/RegistryNames.h"
#include "platform/SqliteDatabase.h"

namespace corvanta {
namespace {

using registry_names::normalKey;

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS registry_values(key TEXT NOT NULL COLLATE NOCASE,
    name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL,
    PRIMARY KEY(key, name));
CREATE TABLE IF NOT EXISTS registry_keys(key TEXT PRIMARY KEY COLLATE NOCASE);
)";

bool isRunKey(const std::string& key) {
    return registry_names::sameName(normalKey(key), registry_keys::kRun);
}

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}
std::string text(const std::vector<std::uint8_t>& data) {
    return {data.begin(), data.end()};
}

} // namespace

std::string SqliteRegistry::defaultPath() {
    return paths::configFolder() + "/registry.sqlite3";
}

std::string SqliteRegistry::defaultAutostartFolder() {
    return paths::autostartFolder();
}

SqliteRegistry::SqliteRegistry(std::string databasePath, std::string autostartFolder)
    : path_(std::move(databasePath)), autostart_(std::move(autostartFolder)) {}

SqliteRegistry::~SqliteRegistry() = default;

SqliteDatabase& SqliteRegistry::db() {
    if (!db_) {
        auto db = std::make_unique<SqliteDatabase>(path_);
        db->exec(kSchema);
        db_ = std::move(db);
    }
    return *db_;
}

template <typename F> auto SqliteRegistry::guarded(F&& action, decltype(action()) onError) {
    try {
        return action();
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return onError;
    }
}

std::optional<SqliteRegistry::Stored> SqliteRegistry::read(const std::string& key,
                                                           const std::string& name) {
    auto select =
        db().prepare("SELECT name, type, data FROM registry_values WHERE key = ?1 AND name = ?2");
    select.bind(1, normalKey(key)).bind(2, name);
    if (!select.step())
        return std::nullopt;
    return Stored{select.text(0), static_cast<RegistryType>(select.integer(1)), select.blob(2)};
}

bool SqliteRegistry::openKey(const std::string& key) {
    return guarded(
        [&] {
            db().prepare("INSERT OR IGNORE INTO registry_keys(key) VALUES(?1)")
                .bind(1, normalKey(key))
                .run();
            return true;
        },
        false);
}

std::optional<std::size_t> SqliteRegistry::valueSize(const std::string& key,
                                                     const std::string& name) {
    return guarded(
        [&]() -> std::optional<std::size_t> {
            const auto value = read(key, name);
            if (!value)
                throw std::runtime_error("value not found: " + name);
            return value->data.size();
        },
        std::nullopt);
}

std::optional<std::vector<std::uint8_t>> SqliteRegistry::readBinary(const std::string& key,
                                                                    const std::string& name) {
    return guarded(
        [&]() -> std::optional<std::vector<std::uint8_t>> {
            auto value = read(key, name);
            if (!value || value->type != RegistryType::Binary)
                throw std::runtime_error("no binary value " + name);
            return std::move(value->data);
        },
        std::nullopt);
}

std::optional<std::string> SqliteRegistry::readString(const std::string& key,
                                                      const std::string& name) {
    return guarded(
        [&]() -> std::optional<std::string> {
            const auto value = read(key, name);
            if (!value || value->type != RegistryType::String)
                throw std::runtime_error("no string value " + name);
            return text(value->data);
        },
        std::nullopt);
}

// Keeps the Run key's autostart entries in step with its string values; throws on failure
// so that the registry write rolls back.
void SqliteRegistry::updateAutostart(const std::string& key, const std::optional<Stored>& before,
                                     const std::optional<Stored>& after) {
    if (!isRunKey(key))
        return;
    std::string error;
    bool done = true;
    if (after && after->type == RegistryType::String)
        done = autostart_.write(after->name, text(after->data), error);
    else if (before && before->type == RegistryType::String)
        done = autostart_.remove(before->name, error);
    if (!done)
        throw std::runtime_error(error);
}

void SqliteRegistry::commit(SqliteTransaction& transaction, const std::string& key,
                            const std::optional<Stored>& before,
                            const std::optional<Stored>& after) {
    updateAutostart(key, before, after);
    try {
        transaction.commit();
    } catch (...) {
        try {
            updateAutostart(key, after, before); // the value stays as it was, so must its entry
        } catch (const std::exception&) {
        }
        throw;
    }
}

bool SqliteRegistry::write(const std::string& key, const std::string& name, RegistryType type,
                           const std::vector<std::uint8_t>& data) {
    return guarded(
        [&] {
            SqliteTransaction transaction(db());
            const auto before = read(key, name);
            db().prepare("INSERT OR IGNORE INTO registry_keys(key) VALUES(?1)")
                .bind(1, normalKey(key))
                .run();
            // An existing value keeps the spelling of its name, as the autostart file does.
            db().prepare("INSERT INTO registry_values(key, name, type, data) "
                         "VALUES(?1, ?2, ?3, ?4) ON CONFLICT(key, name) "
                         "DO UPDATE SET type = excluded.type, data = excluded.data")
                .bind(1, normalKey(key))
                .bind(2, name)
                .bind(3, static_cast<std::int64_t>(type))
                .bind(4, data)
                .run();
            commit(transaction, key, before, read(key, name));
            return true;
        },
        false);
}

bool SqliteRegistry::writeBinary(const std::string& key, const std::string& name,
                                 const std::vector<std::uint8_t>& data) {
    return write(key, name, RegistryType::Binary, data);
}

bool SqliteRegistry::writeString(const std::string& key, const std::string& name,
                                 const std::string& data) {
    return write(key, name, RegistryType::String, bytes(data));
}

bool SqliteRegistry::deleteValue(const std::string& key, const std::string& name) {
    return guarded(
        [&] {
            SqliteTransaction transaction(db());
            const auto before = read(key, name);
            db().prepare("DELETE FROM registry_values WHERE key = ?1 AND name = ?2")
                .bind(1, normalKey(key))
                .bind(2, name)
                .run();
            commit(transaction, key, before, std::nullopt);
            return true;
        },
        false);
}

} // namespace corvanta
