#pragma once
// A thin RAII layer over the sqlite3 C API, shared by the registry and the dial-up simulation.
// Failures throw SqliteError; the adapters turn them into their own status codes.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace corvanta {

class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters are numbered from 1, as in the SQL text.
    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, const std::string& value);
    SqliteStatement& bind(int index, const std::vector<std::uint8_t>& value);
    SqliteStatement& bind(int index, const std::optional<std::string>& value);
    SqliteStatement& bind(int index, const std::optional<std::int64_t>& value);

    // True while a row is available; false once the statement is done.
    bool step();
    // Runs a statement that returns no rows; it may then be bound and run again.
    void run();

    // Columns are numbered from 0.
    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::vector<std::uint8_t> blob(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteDatabase {
public:
    // Opens (creating when missing) a database only its owner may read: the file is made
    // 0600 before SQLite sees it, whatever the umask, and SQLite gives its journal files the
    // same mode. A missing parent folder is created private.
    explicit SqliteDatabase(const std::string& path, int busyTimeoutMs = 5000);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    void exec(const std::string& sql);
    SqliteStatement prepare(const std::string& sql) { return SqliteStatement(db_, sql); }
    std::int64_t lastInsertRowId() const;
    int changes() const;

private:
    sqlite3* db_ = nullptr;
};

// A write transaction taken at once (BEGIN IMMEDIATE), so a second process waits on the busy
// timeout instead of failing halfway. Rolled back unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

} // namespace corvanta
