#include "log/LogFile.h"

#include "TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <thread>

using namespace corvanta;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

class LogFileTest : public ::testing::Test {
protected:
    const std::string folder =
        test::makeTempFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string path = folder + "/Corvanta.log";
};

// A log path whose folder is, for now, a regular file: opening it fails even for root.
class BlockedLogFileTest : public LogFileTest {
protected:
    void SetUp() override { writeFile(blocker, "not a folder"); }
    void unblock() {
        fs::remove(blocker);
        fs::create_directory(blocker);
    }
    const std::string blocker = folder + "/logs";
    const std::string blockedPath = blocker + "/Corvanta.log";
};

} // namespace

TEST_F(LogFileTest, AppendsWholeRecords) {
    LogFile log(path);
    EXPECT_TRUE(log.append("a\r\n"));
    EXPECT_TRUE(log.append("b\r\n"));
    EXPECT_EQ(contentOf(path), "a\r\nb\r\n");
    EXPECT_EQ(log.pendingCount(), 0u);
}

TEST_F(BlockedLogFileTest, FailedRecordsAreWrittenInOrderOnceTheFileOpens) {
    LogFile log(blockedPath);
    EXPECT_FALSE(log.append("first\r\n"));
    EXPECT_FALSE(log.append("second\r\n"));
    EXPECT_EQ(log.pendingCount(), 2u);

    unblock();
    EXPECT_TRUE(log.append("third\r\n"));
    EXPECT_EQ(log.pendingCount(), 0u);
    EXPECT_EQ(contentOf(blockedPath), "first\r\nsecond\r\nthird\r\n");
}

TEST_F(BlockedLogFileTest, KeptRecordsAreBoundedOldestDroppedFirst) {
    LogFile log(blockedPath);
    for (std::size_t i = 0; i < LogFile::kMaxPending + 2; ++i)
        log.append(std::to_string(i) + "\r\n");
    EXPECT_EQ(log.pendingCount(), LogFile::kMaxPending);
    EXPECT_EQ(log.droppedCount(), 2u);

    unblock();
    EXPECT_TRUE(log.append("last\r\n"));
    const LogFileContents read = log.readAll();
    ASSERT_EQ(read.lines.size(), LogFile::kMaxPending);
    EXPECT_EQ(read.lines.front(), "3"); // 0 and 1 gave way, 2 with "last" pushed out
    EXPECT_EQ(read.lines.back(), "last");
}

TEST_F(BlockedLogFileTest, ClearingFailsWithoutAFolderAndLaterDropsKeptRecords) {
    LogFile log(blockedPath);
    log.append("kept\r\n");
    EXPECT_FALSE(log.clear(encodeDateTime({2026, 5, 6, 7, 8, 9, 0})));
    EXPECT_EQ(log.pendingCount(), 1u);

    unblock();
    EXPECT_TRUE(log.clear(encodeDateTime({2026, 5, 6, 7, 8, 9, 0})));
    EXPECT_EQ(log.pendingCount(), 0u);
    EXPECT_EQ(contentOf(blockedPath), "Logfile was cleared 2026-05-06 07:08:09\r\n");
}

TEST_F(LogFileTest, ClearReplacesTheLogWithOneHeaderLine) {
    writeFile(path, "old record\r\nanother\r\n");
    LogFile log(path);
    ASSERT_TRUE(log.clear(encodeDateTime({2026, 5, 6, 7, 8, 9, 0})));
    EXPECT_EQ(contentOf(path), "Logfile was cleared 2026-05-06 07:08:09\r\n");

    const LogFileContents read = log.readAll();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.lines, std::vector<std::string>{"Logfile was cleared 2026-05-06 07:08:09"});
    log.append("next\r\n");
    EXPECT_EQ(log.readAll().lines.back(), "next");
}

TEST_F(LogFileTest, ReadSplitsLinesAndKeepsAnyBytes) {
    writeFile(path, std::string("a\r\nb\nc\0d\r\n\r\nlast", 16));
    const LogFileContents read = LogFile(path).readAll();
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.lines, (std::vector<std::string>{"a", "b", std::string("c\0d", 3), "", "last"}));
    EXPECT_EQ(read.omittedBytes, 0u);
}

TEST_F(LogFileTest, ReadReportsWhatCannotBeRead) {
    const std::string pipe = folder + "/pipe.log"; // must not wait for a writer
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& bad : {folder + "/missing.log", folder, pipe}) {
        const LogFileContents read = LogFile(bad).readAll();
        EXPECT_FALSE(read.ok()) << bad;
        EXPECT_NE(read.error.find("Cannot open file \"" + bad + "\""), std::string::npos)
            << read.error;
        EXPECT_TRUE(read.lines.empty());
    }
}

TEST_F(LogFileTest, HugeFileIsReadFromItsEndInWholeLines) {
    {
        std::ofstream out(path, std::ios::binary);
        out << "oldest\r\n";
        out.seekp(static_cast<std::streamoff>(LogFile::kMaxReadBytes)); // a hole of zeros
        out << "\r\nnewest\r\n";
    }
    const LogFileContents read = LogFile(path).readAll();
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.lines, std::vector<std::string>{"newest"});
    EXPECT_EQ(read.omittedBytes, fs::file_size(path) - std::string("newest\r\n").size());
}

TEST_F(LogFileTest, ConcurrentAppendersLeaveOnlyWholeLines) {
    constexpr int kRecords = 2000;
    const auto recordOf = [](char writer, int i) {
        return std::string(60, writer) + " record " + std::to_string(i) + "\r\n";
    };
    const auto appendAll = [&](char writer) {
        LogFile log(path);
        for (int i = 0; i < kRecords; ++i)
            log.append(recordOf(writer, i));
    };
    std::thread a(appendAll, 'A');
    std::thread b(appendAll, 'B');
    a.join();
    b.join();

    const LogFileContents read = LogFile(path).readAll();
    ASSERT_EQ(read.lines.size(), 2u * kRecords);
    std::set<std::string> seen(read.lines.begin(), read.lines.end());
    for (char writer : {'A', 'B'})
        for (int i = 0; i < kRecords; ++i) {
            std::string line = recordOf(writer, i);
            line.resize(line.size() - 2);
            EXPECT_EQ(seen.count(line), 1u) << line;
        }
}
