#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace corvanta {
namespace {

using namespace std::chrono;

constexpr double kMillisecondsPerDay = 86400000.0;
const sys_days kEpoch = sys_days{year{1899} / December / 30};

// Milliseconds since the epoch, rounded so that 1 ms steps survive the double.
long long toMilliseconds(TDateTime value) {
    return std::llround(value * kMillisecondsPerDay);
}

} // namespace

TDateTime encodeDateTime(const DateTimeParts& p) {
    const sys_days day = sys_days{year{p.year} / month{static_cast<unsigned>(p.month)} /
                                  std::chrono::day{static_cast<unsigned>(p.day)}};
    const long long days = (day - kEpoch).count();
    const long long ms = ((p.hour * 60LL + p.minute) * 60LL + p.second) * 1000LL + p.millisecond;
    return static_cast<double>(days) + static_cast<double>(ms) / kMillisecondsPerDay;
}

DateTimeParts decodeDateTime(TDateTime value) {
    const long long total = toMilliseconds(value);
    long long days = total / 86400000LL;
    long long ms = total % 86400000LL;
    if (ms < 0) {
        ms += 86400000LL;
        --days;
    }
    const year_month_day ymd{kEpoch + std::chrono::days{days}};
    DateTimeParts p;
    p.year = static_cast<int>(ymd.year());
    p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    p.hour = static_cast<int>(ms / 3600000);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.millisecond = static_cast<int>(ms % 1000);
    return p;
}

std::string formatDate(TDateTime value) {
    const DateTimeParts p = decodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

std::string formatTime(TDateTime value) {
    const DateTimeParts p = decodeDateTime(value);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    return text;
}

std::string formatDateTime(TDateTime value) {
    return formatDate(value) + ' ' + formatTime(value);
}

TDateTime fromUnixMilliseconds(long long milliseconds) {
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTimeParts p;
    p.year = local.tm_year + 1900;
    p.month = local.tm_mon + 1;
    p.day = local.tm_mday;
    p.hour = local.tm_hour;
    p.minute = local.tm_min;
    p.second = local.tm_sec;
    p.millisecond = static_cast<int>(milliseconds % 1000);
    return encodeDateTime(p);
}

} // namespace corvanta
