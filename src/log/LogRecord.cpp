#include "log/LogRecord.h"

namespace corvanta {
namespace {

// A line break inside a field would split the record and could forge a record of its own.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = '?';
    return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
    const std::string line = oneLine(text);
    return line.size() >= width ? line : std::string(width - line.size(), ' ') + line;
}

} // namespace

// Built by hand rather than with printf so that a NUL inside a field cannot cut the line short.
std::string formatLogRecord(const std::string& number, const std::string& dateTimeText,
                            const std::string& address, const std::string& stateText) {
    return rightAligned(number, 16) + ": " + rightAligned(dateTimeText, 20) + ' ' +
           rightAligned(address, 20) + " - " + oneLine(stateText) + "\r\n";
}

} // namespace corvanta
