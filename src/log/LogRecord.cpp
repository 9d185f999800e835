#include "log/LogRecord.h"

namespace corvanta {
namespace {

std::string rightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

// Built by hand rather than with printf so that a NUL inside a field cannot cut the line short.
std::string formatLogRecord(const std::string& number, const std::string& dateTimeText,
                            const std::string& address, const std::string& stateText) {
    return rightAligned(number, 16) + ": " + rightAligned(dateTimeText, 20) + ' ' +
           rightAligned(address, 20) + " - " + stateText + "\r\n";
}

} // namespace corvanta
