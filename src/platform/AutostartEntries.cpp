#include "platform/AutostartEntries.h"

#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace corvanta {
namespace {

// Escapes of the desktop-entry string type; applied last, after Exec quoting.
std::string escapeString(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    if (!out.empty() && out.front() == ' ')
        out.replace(0, 1, "\\s");
    return out;
}

bool needsQuotes(const std::string& argument) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    if (argument.empty())
        return true;
    for (const char c : argument)
        if (reserved.find(c) != std::string::npos || static_cast<unsigned char>(c) < 0x20)
            return true;
    return false;
}

std::string execArgument(const std::string& path) {
    std::string argument;
    if (needsQuotes(path)) {
        argument = "\"";
        for (const char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                argument += '\\';
            argument += c;
        }
        argument += '"';
    } else {
        argument = path;
    }
    std::string fieldCodesEscaped; // a literal % would start a field code
    for (const char c : argument) {
        fieldCodesEscaped += c;
        if (c == '%')
            fieldCodesEscaped += '%';
    }
    return escapeString(fieldCodesEscaped);
}

std::string errnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

std::string autostartDesktopEntry(const std::string& name, const std::string& path) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           escapeString(name) +
           "\n"
           "Comment=" +
           escapeString("Starts " + name + " at log-in") +
           "\n"
           "Exec=" +
           execArgument(path) +
           "\n"
           "X-GNOME-Autostart-enabled=true\n";
}

AutostartEntries::AutostartEntries(std::string folder) : folder_(std::move(folder)) {}

bool AutostartEntries::validName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::string AutostartEntries::filePath(const std::string& name) const {
    return folder_ + "/" + name + ".desktop";
}

bool AutostartEntries::write(const std::string& name, const std::string& path,
                             std::string& error) const {
    if (!validName(name) || path.find('\0') != std::string::npos) {
        error = "not a valid autostart entry: " + name;
        return false;
    }
    if (!paths::ensureFolder(folder_)) {
        error = "cannot create " + folder_;
        return false;
    }
    std::string temp = folder_ + "/.autostart-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = errnoText("cannot create " + temp);
        return false;
    }
    const std::string text = autostartDesktopEntry(name, path);
    const bool written =
        ::write(fd, text.data(), text.size()) == ssize_t(text.size()) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), filePath(name).c_str()) != 0) {
        error = errnoText("cannot write " + filePath(name));
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool AutostartEntries::remove(const std::string& name, std::string& error) const {
    if (!validName(name))
        return true; // such an entry can never have been written
    if (::unlink(filePath(name).c_str()) != 0 && errno != ENOENT) {
        error = errnoText("cannot remove " + filePath(name));
        return false;
    }
    return true;
}

} // namespace corvanta
