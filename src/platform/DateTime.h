#pragma once
// Date-times as the program stores and prints them: days since 1899-12-30 in local time,
// the fraction being the time of day.
#include <string>

namespace corvanta {

using TDateTime = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

TDateTime encodeDateTime(const DateTimeParts& parts);
DateTimeParts decodeDateTime(TDateTime value);

// "yyyy-mm-dd hh:mm:ss" (19 characters), "yyyy-mm-dd" and "hh:mm:ss".
std::string formatDateTime(TDateTime value);
std::string formatDate(TDateTime value);
std::string formatTime(TDateTime value);

// Local time of a Unix timestamp in milliseconds.
TDateTime fromUnixMilliseconds(long long milliseconds);

} // namespace corvanta
