#include "platform/SimulatedDialupService.h"
#include "platform/ConnectionEnumeration.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>

using namespace corvanta;

class SimulatedDialup : public ::testing::Test {
protected:
    std::int64_t now = 1'700'000'000'000;
    const std::string path = test::makeTempFolder("dialup") + "/state/dialup.sqlite3";
    SimulatedDialupService service{path, [this] { return now; }, "program"};

    RasHandle dial(DialRequest request) {
        RasHandle handle = 0;
        EXPECT_EQ(service.dial(request, handle), ras::kSuccess);
        return handle;
    }
    RasHandle dialNumber(const std::string& number) {
        DialRequest request;
        request.number = number;
        return dial(request);
    }
    RasConnStatus status(RasHandle handle) {
        RasConnStatus s;
        EXPECT_EQ(service.getConnectStatus(handle, s), ras::kSuccess);
        return s;
    }
    static RasEntry entry(std::string main, std::vector<std::string> alternates = {}) {
        return RasEntry{std::move(main), std::move(alternates), {}, {}};
    }
};

TEST_F(SimulatedDialup, StateWalksThePublishedSequenceByElapsedTime) {
    struct Case {
        std::int64_t elapsedMs;
        std::int32_t state;
    };
    const Case cases[] = {
        {0, ras::kOpenPort},         {499, ras::kOpenPort},         {500, ras::kPortOpened},
        {1000, ras::kConnectDevice}, {1500, ras::kDeviceConnected}, {2000, ras::kAuthenticate},
        {2999, ras::kAuthenticated}, {3000, ras::kConnected},       {3'600'000, ras::kConnected}};
    const std::int64_t start = now;
    const RasHandle handle = dialNumber("0123"); // default: connected after 3 s
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elapsedMs);
        now = start + c.elapsedMs;
        EXPECT_EQ(status(handle).state, c.state);
    }
    DialRequest instant;
    instant.number = "0456";
    instant.connectAfterMs = 0;
    EXPECT_EQ(status(dial(instant)).state, ras::kConnected);
}

TEST_F(SimulatedDialup, StatusCarriesTheDialedNumberAndDevice) {
    ASSERT_EQ(service.putEntry("Work", entry("0123", {"0456"})), ras::kSuccess);
    DialRequest request;
    request.entry = "WORK"; // names compare without case, as the phone book's
    request.deviceType = "isdn";
    request.deviceName = "ISDN1";
    const RasHandle viaEntry = dial(request);
    const RasHandle viaNumber = dialNumber("0900123");
    EXPECT_EQ(status(viaEntry).phoneNumber, "0123") << "an entry dials its main number";
    EXPECT_EQ(status(viaEntry).deviceType, "isdn");
    EXPECT_EQ(status(viaEntry).deviceName, "ISDN1");
    EXPECT_EQ(status(viaNumber).phoneNumber, "0900123");

    const ConnectionList list = enumerateConnections(service);
    ASSERT_EQ(list.result, ras::kSuccess);
    ASSERT_EQ(list.connections.size(), 2u);
    EXPECT_EQ(list.connections[0].handle, viaEntry);
    EXPECT_EQ(list.connections[0].entryName, "Work");
    EXPECT_EQ(list.connections[0].deviceType, "isdn");
    EXPECT_EQ(list.connections[1].entryName, ".0900123");
}

TEST_F(SimulatedDialup, EnumerationAsksForTheBytesItNeeds) {
    for (const char* number : {"1", "2", "3"})
        dialNumber(number);
    std::vector<RasConn> records(1);
    std::uint32_t bytes = ras::kConnRecordSize;
    std::uint32_t count = 0;
    EXPECT_EQ(service.enumConnections(records, bytes, count), ras::kBufferTooSmall);
    EXPECT_EQ(bytes, 3 * ras::kConnRecordSize);
    records.resize(3);
    EXPECT_EQ(service.enumConnections(records, bytes, count), ras::kSuccess);
    EXPECT_EQ(count, 3u);
    // A vector larger than the byte count claims is still only as large as the byte count.
    std::vector<RasConn> large(5);
    bytes = 2 * ras::kConnRecordSize;
    EXPECT_EQ(service.enumConnections(large, bytes, count), ras::kBufferTooSmall);
}

TEST_F(SimulatedDialup, HangUpEndsAndRecordsWhoDidIt) {
    const RasHandle mine = dialNumber("0123");
    const RasHandle theirs = dialNumber("0456");
    SimulatedDialupService tool(
        path, [this] { return now; }, "dialsim");
    EXPECT_EQ(service.hangUp(mine), ras::kSuccess);
    now += 1000;
    EXPECT_EQ(tool.hangUp(theirs), ras::kSuccess);
    EXPECT_EQ(service.hangUp(mine), ras::kInvalidHandle);
    RasConnStatus s;
    EXPECT_EQ(service.getConnectStatus(mine, s), ras::kInvalidHandle);
    EXPECT_TRUE(enumerateConnections(service).connections.empty());

    std::vector<DialupHistoryRecord> history;
    ASSERT_EQ(service.history(history), ras::kSuccess);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].event, "hangup");
    EXPECT_EQ(history[0].by, "program");
    EXPECT_EQ(history[0].atMs, now - 1000);
    EXPECT_NE(history[0].detail.find("number 0123"), std::string::npos);
    EXPECT_EQ(history[1].by, "dialsim");
}

TEST_F(SimulatedDialup, ConnectionEndsAtItsHangUpTime) {
    DialRequest request;
    request.number = "0123";
    request.hangupAfterMs = 5000;
    const std::int64_t start = now;
    const RasHandle handle = dial(request);
    now = start + 4999;
    EXPECT_EQ(enumerateConnections(service).connections.size(), 1u);
    now = start + 5000;
    EXPECT_TRUE(enumerateConnections(service).connections.empty());
    EXPECT_EQ(service.hangUp(handle), ras::kInvalidHandle);
    std::vector<DialupHistoryRecord> history;
    ASSERT_EQ(service.history(history), ras::kSuccess);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].event, "ended");
    EXPECT_EQ(history[0].by, "");
    EXPECT_EQ(history[0].atMs, start + 5000);
}

TEST_F(SimulatedDialup, AddressIsKnownOnceConnected) {
    DialRequest slow;
    slow.number = "1";
    slow.connectAfterMs = 10'000;
    DialRequest fixed;
    fixed.number = "2";
    fixed.address = "10.1.2.3";
    const RasHandle first = dial(slow);
    dial(fixed);
    EXPECT_FALSE(service.connectedAddress()) << "nothing connected yet";
    now += 3000;
    EXPECT_EQ(service.connectedAddress(), "10.1.2.3");
    now += 7000;
    EXPECT_EQ(service.connectedAddress(), "198.51.100." + std::to_string(first % 254 + 1));
}

TEST_F(SimulatedDialup, EntriesKeepEveryFieldAndTheirOrder) {
    RasEntry written = entry("0123", {"0456", "0789"});
    written.opaque = {0, 1, 2, 0, 255};
    written.deviceInfo = {9, 0, 9};
    ASSERT_EQ(service.putEntry("Work", written), ras::kSuccess);
    ASSERT_EQ(service.putEntry("Home", entry("555")), ras::kSuccess);
    std::vector<std::string> names;
    ASSERT_EQ(service.enumEntries(names), ras::kSuccess);
    EXPECT_EQ(names, (std::vector<std::string>{"Work", "Home"}));

    RasEntry read;
    ASSERT_EQ(service.getEntryProperties("Work", read), ras::kSuccess);
    EXPECT_EQ(read.localPhoneNumber, "0123");
    EXPECT_EQ(read.alternates, written.alternates);
    EXPECT_EQ(read.opaque, written.opaque);
    EXPECT_EQ(read.deviceInfo, written.deviceInfo);

    read.localPhoneNumber = "0789";
    read.alternates = {"0123"};
    ASSERT_EQ(service.setEntryProperties("Work", read), ras::kSuccess);
    RasEntry reread;
    ASSERT_EQ(service.getEntryProperties("Work", reread), ras::kSuccess);
    EXPECT_EQ(reread.alternates, read.alternates);
    EXPECT_EQ(reread.opaque, written.opaque);

    EXPECT_EQ(service.setEntryProperties("Nowhere", read), ras::kCannotFindEntry);
    EXPECT_EQ(service.getEntryProperties("Nowhere", read), ras::kCannotFindEntry);
    std::vector<DialupHistoryRecord> history;
    ASSERT_EQ(service.history(history), ras::kSuccess);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[2].event, "entry-write");
    EXPECT_EQ(history[2].by, "program");
    EXPECT_EQ(history[2].detail, "Work: 0789, 0123");
}

TEST_F(SimulatedDialup, EntryLimits) {
    const std::string n128(128, '1');
    // Each alternate takes its length plus a NUL, and the list ends with one more NUL.
    std::vector<std::string> full(999, std::string(9, '2'));
    std::vector<std::string> fullPlus = full;
    full.push_back(std::string(8, '3'));     // 9990 + 9 + 1 = 10000 bytes
    fullPlus.push_back(std::string(9, '3')); // one byte too many
    struct Case {
        const char* what;
        std::string name;
        RasEntry entry;
        RasStatus expected;
    };
    const Case cases[] = {
        {"128-character number", "A", entry(n128), ras::kSuccess},
        {"129-character number", "A", entry(n128 + "1"), ras::kInvalidSize},
        {"129-character alternate", "A", entry("1", {n128 + "1"}), ras::kInvalidSize},
        {"empty alternate", "A", entry("1", {"2", ""}), ras::kInvalidParameter},
        {"alternates of 10000 bytes", "A", entry("1", full), ras::kSuccess},
        {"alternates of 10001 bytes", "A", entry("1", fullPlus), ras::kInvalidSize},
        {"empty name", "", entry("1"), ras::kInvalidParameter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(service.putEntry(c.name, c.entry), c.expected);
    }
    RasEntry kept;
    ASSERT_EQ(service.getEntryProperties("A", kept), ras::kSuccess);
    EXPECT_EQ(kept.alternates.size(), full.size()) << "a refused write changes nothing";
}

TEST_F(SimulatedDialup, PhoneBookHoldsAHundredEntries) {
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(service.putEntry("E" + std::to_string(i), entry("1")), ras::kSuccess);
    EXPECT_EQ(service.putEntry("One more", entry("1")), ras::kCannotWritePhonebook);
    EXPECT_EQ(service.putEntry("E7", entry("2")), ras::kSuccess) << "replacing still works";
    std::vector<std::string> names;
    ASSERT_EQ(service.enumEntries(names), ras::kSuccess);
    EXPECT_EQ(names.size(), 100u);
}

TEST_F(SimulatedDialup, DialRefusals) {
    RasHandle handle = 0;
    DialRequest missing;
    missing.entry = "Missing";
    EXPECT_EQ(service.dial(missing, handle), ras::kCannotFindEntry);
    DialRequest empty;
    EXPECT_EQ(service.dial(empty, handle), ras::kInvalidParameter);
    DialRequest tooLong;
    tooLong.number = std::string(129, '9');
    EXPECT_EQ(service.dial(tooLong, handle), ras::kInvalidSize);
    DialRequest negative;
    negative.number = "1";
    negative.connectAfterMs = -1;
    EXPECT_EQ(service.dial(negative, handle), ras::kInvalidParameter);
    EXPECT_TRUE(enumerateConnections(service).connections.empty());
}

TEST_F(SimulatedDialup, ResetForgetsEverything) {
    ASSERT_EQ(service.putEntry("Work", entry("1", {"2"})), ras::kSuccess);
    const RasHandle before = dialNumber("1");
    ASSERT_EQ(service.reset(), ras::kSuccess);
    std::vector<std::string> names;
    std::vector<DialupHistoryRecord> history;
    ASSERT_EQ(service.enumEntries(names), ras::kSuccess);
    ASSERT_EQ(service.history(history), ras::kSuccess);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(history.empty());
    EXPECT_TRUE(enumerateConnections(service).connections.empty());
    EXPECT_GT(dialNumber("1"), before) << "a handle is never given out twice";
}

TEST_F(SimulatedDialup, UnusableFileAnswersCannotOpenPhonebook) {
    SimulatedDialupService broken("/dev/null/dialup.sqlite3", [] { return 0; });
    std::vector<std::string> names;
    std::vector<RasConn> records(1);
    std::uint32_t bytes = ras::kConnRecordSize, count = 0;
    EXPECT_EQ(broken.enumConnections(records, bytes, count), ras::kCannotOpenPhonebook);
    EXPECT_EQ(broken.enumEntries(names), ras::kCannotOpenPhonebook);
    EXPECT_FALSE(broken.connectedAddress());
    EXPECT_NE(broken.lastError(), "");
}

// The program and the tool write at the same moment; neither loses a write.
TEST_F(SimulatedDialup, TwoWritersShareTheFile) {
    constexpr int kEach = 40;
    std::vector<RasHandle> handles[2];
    auto writer = [&](int side) {
        SimulatedDialupService own(path, SimulatedDialupService::systemNowMs,
                                   side ? "dialsim" : "program");
        for (int i = 0; i < kEach; ++i) {
            RasHandle handle = 0;
            DialRequest request;
            request.number = std::to_string(i);
            if (own.putEntry("S" + std::to_string(side) + "-" + std::to_string(i), entry("1")) ||
                own.dial(request, handle) || own.hangUp(handle))
                return;
            handles[side].push_back(handle);
        }
    };
    std::thread first(writer, 0), second(writer, 1);
    first.join();
    second.join();
    ASSERT_EQ(handles[0].size(), std::size_t(kEach));
    ASSERT_EQ(handles[1].size(), std::size_t(kEach));
    std::set<RasHandle> unique(handles[0].begin(), handles[0].end());
    unique.insert(handles[1].begin(), handles[1].end());
    EXPECT_EQ(unique.size(), std::size_t(2 * kEach));
    std::vector<std::string> names;
    std::vector<DialupHistoryRecord> history;
    ASSERT_EQ(service.enumEntries(names), ras::kSuccess);
    ASSERT_EQ(service.history(history), ras::kSuccess);
    EXPECT_EQ(names.size(), std::size_t(2 * kEach));
    EXPECT_EQ(history.size(), std::size_t(4 * kEach)); // an entry write and a hang-up each
}
