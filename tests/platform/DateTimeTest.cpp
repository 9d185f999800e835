#include "platform/DateTime.h"

#include <gtest/gtest.h>

using namespace corvanta;

TEST(DateTime, EpochAndKnownDays) {
    struct Case {
        DateTimeParts parts;
        double value;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
        {{1900, 1, 1, 0, 0, 0, 0}, 2.0},
        {{2000, 1, 1, 12, 0, 0, 0}, 36526.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(encodeDateTime(c.parts), c.value) << c.parts.year;
}

TEST(DateTime, FormatsAreFixedWidth) {
    const TDateTime t = encodeDateTime({2026, 5, 6, 7, 8, 9, 0});
    EXPECT_EQ(formatDateTime(t), "2026-05-06 07:08:09");
    EXPECT_EQ(formatDate(t), "2026-05-06");
    EXPECT_EQ(formatTime(t), "07:08:09");
    EXPECT_EQ(formatDateTime(t).size(), 19u);
}

TEST(DateTime, RoundTripsToTheMillisecond) {
    const DateTimeParts p{2031, 12, 31, 23, 59, 59, 999};
    const DateTimeParts back = decodeDateTime(encodeDateTime(p));
    EXPECT_EQ(back.year, 2031);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 31);
    EXPECT_EQ(back.hour, 23);
    EXPECT_EQ(back.minute, 59);
    EXPECT_EQ(back.second, 59);
    EXPECT_EQ(back.millisecond, 999);
}

TEST(DateTime, DurationOverADayShowsTheTimeOfDayOnly) {
    EXPECT_EQ(formatTime(1.0 + 1.0 / 24 + 2.0 / 1440 + 3.0 / 86400), "01:02:03");
}
