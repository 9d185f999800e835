#include "platform/SqliteDatabase.h"

#include "platform/Paths.h"

#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanta {
namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw SqliteError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

void check(sqlite3* db, int result, const char* what) {
    if (result != SQLITE_OK)
        fail(db, what);
}

// Creates the file owner-only before SQLite opens it; an existing file is tightened too.
void createPrivateFile(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && !paths::ensureFolder(folder))
        throw SqliteError("cannot create folder " + folder);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        throw SqliteError("cannot open " + path);
    const bool private_ = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    if (!private_)
        throw SqliteError("cannot make " + path + " private");
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql) : db_(db) {
    check(db_, sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr), "prepare");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    check(db_, sqlite3_bind_int64(statement_, index, value), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::string& value) {
    check(db_,
          sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT),
          "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::vector<std::uint8_t>& value) {
    // A zero-length blob, not NULL, for an empty vector.
    check(db_,
          sqlite3_bind_blob(statement_, index, value.empty() ? "" : (const void*)value.data(),
                            static_cast<int>(value.size()), SQLITE_TRANSIENT),
          "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<std::string>& value) {
    if (value)
        return bind(index, *value);
    check(db_, sqlite3_bind_null(statement_, index), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<std::int64_t>& value) {
    if (value)
        return bind(index, *value);
    check(db_, sqlite3_bind_null(statement_, index), "bind");
    return *this;
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    fail(db_, "step");
}

void SqliteStatement::run() {
    while (step()) {
    }
    sqlite3_reset(statement_);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* data = sqlite3_column_text(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

std::vector<std::uint8_t> SqliteStatement::blob(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

SqliteDatabase::SqliteDatabase(const std::string& path, int busyTimeoutMs) {
    createPrivateFile(path);
    const int result =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (result != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        throw SqliteError("cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    try {
        // WAL lets a reader and a writer of another process work side by side.
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=FULL");
    } catch (...) {
        sqlite3_close_v2(db_);
        throw;
    }
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

void SqliteDatabase::exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw SqliteError(text);
    }
}

std::int64_t SqliteDatabase::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

int SqliteDatabase::changes() const {
    return sqlite3_changes(db_);
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (!open_)
        return;
    try {
        db_.exec("ROLLBACK");
    } catch (const SqliteError&) {
        // SQLite has already rolled back after the error that brought us here.
    }
}

void SqliteTransaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace corvanta
