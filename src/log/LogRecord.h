#pragma once
// One line of the connection log: "%16s: %20s %20s - %s\r\n". The widths are minimums, so a
// longer number or address is written whole and moves the rest of the line right. Line breaks
// inside a field are written as "?", so a record is always one line.
#include <string>

namespace corvanta {

std::string formatLogRecord(const std::string& number, const std::string& dateTimeText,
                            const std::string& address, const std::string& stateText);

} // namespace corvanta
