#include "log/LogFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanta {
namespace {

// Closes a descriptor at the end of the scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Writes as much of the text as the file takes; returns the bytes written.
std::size_t writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

// Reads to the end of the file, but no more than limit bytes (the file may grow meanwhile).
bool readUpTo(int fd, std::uint64_t limit, std::string& text) {
    char buffer[65536];
    while (text.size() < limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    if (text.size() > limit)
        text.resize(limit);
    return true;
}

std::string openError(const std::string& path) {
    return "Cannot open file \"" + path + "\". " + std::strerror(errno);
}

void splitLines(const std::string& text, std::vector<std::string>& lines) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        std::size_t end = newline == std::string::npos ? text.size() : newline;
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.emplace_back(text, start, end - start);
        start = newline == std::string::npos ? text.size() : newline + 1;
    }
}

} // namespace

bool LogFile::append(const std::string& record) {
    if (pending_.size() == kMaxPending) {
        pending_.pop_front();
        ++dropped_;
    }
    pending_.push_back(record);

    const Descriptor fd(::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!fd.valid())
        return false;
    std::string batch;
    for (const std::string& r : pending_)
        batch += r;
    std::size_t written = writeAll(fd.get(), batch);

    // Forget what reached the file; a record cut short keeps its tail, so the line is
    // completed by the next append rather than written twice.
    while (!pending_.empty() && written >= pending_.front().size()) {
        written -= pending_.front().size();
        pending_.pop_front();
    }
    if (written > 0)
        pending_.front().erase(0, written);
    return pending_.empty();
}

bool LogFile::clear(TDateTime now) {
    const Descriptor fd(::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid())
        return false;
    const std::string header = "Logfile was cleared " + formatDateTime(now) + "\r\n";
    if (writeAll(fd.get(), header) != header.size())
        return false;
    pending_.clear();
    return true;
}

LogFileContents LogFile::readAll() const {
    LogFileContents contents;
    // Non-blocking, so a pipe put in the log's place cannot hang the viewer.
    const Descriptor fd(::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        contents.error = openError(path_);
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        contents.error = openError(path_);
        return contents;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxReadBytes) {
        contents.omittedBytes = size - kMaxReadBytes;
        ::lseek(fd.get(), static_cast<off_t>(contents.omittedBytes), SEEK_SET);
    }

    std::string text;
    if (!readUpTo(fd.get(), kMaxReadBytes, text)) {
        contents.error = "Cannot read file \"" + path_ + "\". " + std::strerror(errno);
        return contents;
    }
    if (contents.omittedBytes > 0) {
        // The tail starts inside a line; show whole lines only.
        const std::size_t firstEnd = text.find('\n');
        const std::size_t cut = firstEnd == std::string::npos ? text.size() : firstEnd + 1;
        contents.omittedBytes += cut;
        text.erase(0, cut);
    }
    splitLines(text, contents.lines);
    return contents;
}

} // namespace corvanta
