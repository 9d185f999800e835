#include "log/ConnectionLogState.h"

#include "log/LogRecord.h"

#include <gtest/gtest.h>

using namespace corvanta;

namespace {

const TDateTime kStart = encodeDateTime({2026, 5, 6, 7, 8, 9, 0});

TDateTime at(double seconds) {
    return kStart + seconds / 86400.0;
}

// The main window's members the writer works on, with their start values.
struct Members {
    std::string CurrentIp = "Offline";
    std::string PreviousIp = "OldWhoIs";
    TDateTime ConnectStart = 0;
    bool InTimeLimit = true;
    std::string TrayDetail;
    bool OptimisePending = false;
    std::string EntryName = "Closed";

    OutLogMembers view() {
        return {CurrentIp,  PreviousIp,      ConnectStart, InTimeLimit,
                TrayDetail, OptimisePending, EntryName};
    }
};

// Refuses hints longer than 63 characters and keeps the older one, as the tray does.
struct Tray {
    std::string hint = "Corvanta";
    TrayHintAccess access() {
        return {[this](const std::string& h) {
                    if (h.size() > 63)
                        return false;
                    hint = h;
                    return true;
                },
                [this] { return hint; }};
    }
};

class OutLogTest : public ::testing::Test {
protected:
    // One OutLog call, made the way the main window makes it.
    void call(int code, const std::string& number, TDateTime now) {
        const OutLogChange change = writer.begin(code, number, now, watch, options, m.view());
        if (change.counted) {
            title = change.title;
            status = change.status;
            betweenSteps();
            if (auto line = writer.finishChange(change, options, m.view()))
                records.push_back(*line);
        }
        if (auto s = writer.updateTray(change, now, options, m.view(), tray.access()))
            status = *s;
    }

    std::string record(const std::string& number, TDateTime when, const std::string& address,
                       int code) {
        return formatLogRecord(number, formatDateTime(when), address, connectionState(code).text);
    }

    ConnectionLogState writer;
    Members m;
    Tray tray;
    OutLogOptions options;
    AddressReading watch;
    std::function<void()> betweenSteps = [] {};
    std::vector<std::string> records;
    std::string title, status;
};

} // namespace

TEST_F(OutLogTest, NoConnectionIsRecordedOnceAndResetsTheLimit) {
    m.InTimeLimit = false;
    m.ConnectStart = kStart - 1;
    call(-2, "", at(0));
    call(-2, "", at(0.5));
    call(-2, "", at(1));

    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], std::string(16, ' ') +
                              ":  2026-05-06 07:08:09              Offline - Disconnected.\r\n");
    EXPECT_TRUE(m.InTimeLimit);
    EXPECT_EQ(m.ConnectStart, 0);
    EXPECT_EQ(title, " - Disconnected. {Corvanta}");
    EXPECT_EQ(status, ": Disconnected.");
    EXPECT_EQ(tray.hint, "Closed\nDisconnected.");
    EXPECT_EQ(m.TrayDetail, "");
}

TEST_F(OutLogTest, BriefAndDetailedLogs) {
    const int codes[] = {0, 1, 2, 3, 5, 14, 8192, 24, -1, -2};
    struct Case {
        bool log, detailed;
        std::vector<int> written;
    } cases[] = {
        {true, true, {0, 1, 2, 3, 5, 14, 8192, 24, -1, -2}},
        {true, false, {0, 2, 8192, -1, -2}},
        {false, true, {}},
    };
    for (const auto& c : cases) {
        writer = ConnectionLogState{};
        m = Members{};
        records.clear();
        options.log = c.log;
        options.detailed = c.detailed;
        for (int code : codes)
            call(code, code == -2 ? "" : "555", at(0));

        std::vector<std::string> expected;
        for (int code : c.written)
            expected.push_back(record(code == -2 ? "" : "555", at(0), "Offline", code));
        EXPECT_EQ(records, expected) << c.log << c.detailed;
        EXPECT_EQ(title, " - Disconnected. {Corvanta}"); // titles do not depend on "Log"
    }
}

TEST_F(OutLogTest, NewAddressForcesASecondRecord) {
    call(8192, "555", at(0));
    watch = {true, "10.0.0.5"};
    call(8192, "555", at(1));
    call(8192, "555", at(2));
    watch = {true, "10.0.0.9"}; // changed without an offline reading: not noticed
    call(8192, "555", at(3));

    EXPECT_EQ(records, (std::vector<std::string>{record("555", at(0), "Offline", 8192),
                                                 record("555", at(1), "10.0.0.5", 8192)}));
    EXPECT_EQ(m.CurrentIp, "10.0.0.5");
    EXPECT_EQ(m.PreviousIp, "10.0.0.5");
}

TEST_F(OutLogTest, AddressAfterOfflineAndUnresolvedAddress) {
    watch = {true, "No match for 10.0.0.5"};
    call(0, "555", at(0));
    EXPECT_EQ(m.CurrentIp, "Unknown");
    EXPECT_EQ(m.PreviousIp, "Unknown");

    watch = {false, ""};
    call(0, "555", at(1));
    EXPECT_EQ(m.CurrentIp, "Offline");
    watch = {true, "10.0.0.7"};
    call(0, "555", at(2));
    EXPECT_EQ(m.CurrentIp, "10.0.0.7");
    // Only the state change and the two address take-overs were recorded.
    EXPECT_EQ(records, (std::vector<std::string>{record("555", at(0), "Unknown", 0),
                                                 record("555", at(2), "10.0.0.7", 0)}));
}

TEST_F(OutLogTest, TwoConnectionsAlternateUntilTheyAgree) {
    call(5, "111", at(0));
    call(8192, "222", at(0));
    call(5, "111", at(0.5));
    call(8192, "222", at(0.5));
    call(8192, "111", at(1));
    call(8192, "222", at(1));

    EXPECT_EQ(records, (std::vector<std::string>{
                           record("111", at(0), "Offline", 5),
                           record("222", at(0), "Offline", 8192),
                           record("111", at(0.5), "Offline", 5),
                           record("222", at(0.5), "Offline", 8192),
                       }));
}

TEST_F(OutLogTest, TimeLimitCountsDownThenRunsOut) {
    options.timeLimitMinutes = 2;
    m.EntryName = "Isp";
    const std::string base = "Isp\n555\nSuccessful connection.\n";
    struct Step {
        double seconds;
        std::string hintEnd, status;
        bool inTimeLimit;
    } steps[] = {
        {0, "00:00:00 (2 minutes left)", "00:00:00 (2 minutes left)", true},
        {59.9, "00:00:59 (2 minutes left)", "00:00:59 (2 minutes left)", true},
        {61, "00:01:01 (1 minutes left)", "00:01:01 (1 minutes left)", true},
        {119.9, "00:01:59 (1 minutes left)", "00:01:59 (1 minutes left)", true},
        {120, "00:02:00", "00:02:00", false},
    };
    for (const auto& s : steps) {
        call(8192, "555", at(s.seconds));
        EXPECT_EQ(tray.hint, base + s.hintEnd) << s.seconds;
        EXPECT_EQ(status, s.status) << s.seconds;
        EXPECT_EQ(m.InTimeLimit, s.inTimeLimit) << s.seconds;
    }
    EXPECT_EQ(m.ConnectStart, at(0));
    EXPECT_EQ(m.TrayDetail, "Isp\n555\nSuccessful connection.");
}

TEST_F(OutLogTest, LimitSuffixBeforeConnecting) {
    options.timeLimitMinutes = 2;
    call(2, "555", at(0));
    EXPECT_EQ(status, "555: A device is about to be connected. (2 minutes left)");
    EXPECT_EQ(tray.hint, "Closed\n555\nA device is about to be connected. (2 minutes left)");
    call(2, "555", at(1)); // not counted: the suffix is still shown once
    EXPECT_EQ(status, "555: A device is about to be connected. (2 minutes left)");
}

TEST_F(OutLogTest, ConnectionLongerThanADay) {
    options.timeLimitMinutes = 1503;
    m.EntryName = "I";
    call(8192, "5", at(0));
    const double dayAndABit = 86400 + 3600 + 2 * 60 + 3; // 1502 whole minutes
    call(8192, "5", at(dayAndABit));
    EXPECT_EQ(tray.hint, "I\n5\nSuccessful connection.\n01:02:03 (1 minutes left)");
    EXPECT_TRUE(m.InTimeLimit);

    options.timeLimitMinutes = 1502;
    call(8192, "5", at(dayAndABit));
    EXPECT_FALSE(m.InTimeLimit);
    EXPECT_EQ(status, "01:02:03");
}

TEST_F(OutLogTest, TrainingModeAsksForTheOptimiserAfterADisconnection) {
    options.trainingMode = true;
    call(8192, "555", at(0));
    EXPECT_FALSE(m.OptimisePending);
    call(-2, "", at(1));
    EXPECT_TRUE(m.OptimisePending);
    call(-2, "", at(2)); // not counted: left alone
    EXPECT_TRUE(m.OptimisePending);
    call(0, "555", at(3));
    EXPECT_FALSE(m.OptimisePending);

    options.trainingMode = false;
    m.OptimisePending = true;
    call(-2, "", at(4));
    EXPECT_FALSE(m.OptimisePending);
}

TEST_F(OutLogTest, RefusedHintLeavesTheOlderOneAsBase) {
    m.EntryName = std::string(40, 'E'); // with the number and the text: 71 characters
    call(8192, "5551234", at(0));
    EXPECT_EQ(tray.hint, "Corvanta\n00:00:00");
    EXPECT_EQ(m.TrayDetail, std::string(40, 'E') + "\n5551234\nSuccessful connection.");
}

TEST_F(OutLogTest, NestedCallLeavesTheLatestMembersToTheOuterRecord) {
    bool nested = false;
    betweenSteps = [&] {
        if (nested)
            return;
        nested = true;
        watch = {true, "10.0.0.5"}; // arrives while the outer call waits
        call(0, "555", at(0.5));
    };
    call(0, "555", at(0));

    // The inner call counted only because of the new address; the outer record, written after
    // it, carries the address the inner call took over.
    EXPECT_EQ(records, (std::vector<std::string>{record("555", at(0.5), "10.0.0.5", 0),
                                                 record("555", at(0), "10.0.0.5", 0)}));
    EXPECT_EQ(writer.lastLoggedState(), 0);
}

TEST_F(OutLogTest, NestedCallForTheSameStateWritesNothing) {
    int nestedCalls = 0;
    betweenSteps = [&] {
        if (nestedCalls++ == 0)
            call(0, "555", at(0.5));
    };
    call(0, "555", at(0));
    EXPECT_EQ(records, std::vector<std::string>{record("555", at(0), "Offline", 0)});
}
