#include "log/LogRecord.h"

#include <gtest/gtest.h>

using namespace corvanta;

namespace {
const std::string kWhen = "2026-05-06 07:08:09";
}

TEST(LogRecord, ColumnsAndShifting) {
    struct Case {
        std::string number, address, text, expected;
    } cases[] = {
        {"", "Offline", "Disconnected.",
         std::string(16, ' ') + ":  2026-05-06 07:08:09              Offline - Disconnected.\r\n"},
        {"84951234567", "10.0.0.5", "Successful connection.",
         "     84951234567:  2026-05-06 07:08:09             10.0.0.5 - Successful "
         "connection.\r\n"},
        // 17 characters: written whole, the rest moves one column right.
        {"+7 (495) 123-4567", "Unknown", "Disconnected.",
         "+7 (495) 123-4567:  2026-05-06 07:08:09              Unknown - Disconnected.\r\n"},
        {"1", "fe80::1234:5678:9abc:def0", "x",
         "               1:  2026-05-06 07:08:09 fe80::1234:5678:9abc:def0 - x\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatLogRecord(c.number, kWhen, c.address, c.text), c.expected) << c.number;
}

TEST(LogRecord, FixedColumnsForShortFields) {
    const std::string line = formatLogRecord("123", kWhen, "Offline", "Disconnected.");
    EXPECT_EQ(line.substr(16, 2), ": ");
    EXPECT_EQ(line[18], ' '); // the 19-character date-time is right-aligned in 20
    EXPECT_EQ(line.substr(19, 19), kWhen);
    EXPECT_EQ(line.substr(59, 3), " - "); // the address ends in column 59
    EXPECT_EQ(line.substr(62), "Disconnected.\r\n");
}

TEST(LogRecord, NulInsideAFieldDoesNotCutTheLine) {
    const std::string number("12\0"
                             "34",
                             5);
    const std::string line = formatLogRecord(number, kWhen, "Offline", "Disconnected.");
    EXPECT_EQ(line.substr(11, 5), number);
    EXPECT_EQ(line.substr(line.size() - 15), "Disconnected.\r\n");
}

TEST(LogRecord, LineBreaksInsideFieldsCannotForgeRecords) {
    const std::string line =
        formatLogRecord("555\r\n1234", kWhen, "10.0.0.5\n", "Successful connection.");
    EXPECT_EQ(line, "       555??1234:  2026-05-06 07:08:09            10.0.0.5? - Successful "
                    "connection.\r\n");
}
