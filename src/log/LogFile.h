#pragma once
// The connection log file. Each record reaches the file in one write to a file opened for
// appending, so a reader never sees half a record and appenders do not interleave. A record
// that cannot be written is kept and written, in order, before the next one. One LogFile is
// used by one thread at a time; several may append to the same path at once.
#include "platform/DateTime.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace corvanta {

struct LogFileContents {
    std::vector<std::string> lines; // split at LF, a CR before it dropped
    std::string error;              // empty when the file could be read
    std::uint64_t omittedBytes = 0; // bytes before the tail that was read, for huge files
    bool ok() const { return error.empty(); }
};

class LogFile {
public:
    // Records kept while the file cannot be written; beyond this the oldest are dropped.
    static constexpr std::size_t kMaxPending = 10000;
    // A file larger than this is read from the end only.
    static constexpr std::uint64_t kMaxReadBytes = 64ull * 1024 * 1024;

    explicit LogFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // True when this record and every one kept before it are in the file.
    bool append(const std::string& record);
    std::size_t pendingCount() const { return pending_.size(); }
    std::size_t droppedCount() const { return dropped_; }

    // Empties the file and writes "Logfile was cleared <date time>\r\n"; records still kept
    // are dropped with the rest of the log. False when the file could not be written.
    bool clear(TDateTime now);

    // The whole file (or its last kMaxReadBytes), one entry per line; any bytes are accepted.
    LogFileContents readAll() const;

private:
    std::string path_;
    std::deque<std::string> pending_;
    std::size_t dropped_ = 0;
};

} // namespace corvanta
