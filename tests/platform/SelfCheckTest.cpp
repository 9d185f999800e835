// This test program is itself sealed by the build (corvanta_seal), so the check runs on a real
// sealed executable; files sealed here go through the same script.
#include "platform/SelfCheck.h"
#include "platform/Paths.h"

#include "TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace corvanta;
namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool seal(const std::string& path) {
    const std::string command = std::string("\"") + CORVANTA_CMAKE_COMMAND + "\" \"-DFILE=" + path +
                                "\" -P \"" + CORVANTA_SEAL_SCRIPT + "\"";
    return std::system(command.c_str()) == 0;
}

class SelfCheck : public ::testing::Test {
protected:
    std::string folder = test::makeTempFolder("seal");
    std::string sealedCopy = folder + "/corvanta";

    void SetUp() override { fs::copy_file(paths::executablePath(), sealedCopy); }
};

TEST_F(SelfCheck, SealedProgramPassesWhereverItLies) {
    EXPECT_TRUE(verifyExecutable(paths::executablePath()).ok());
    const std::string moved = test::makeTempFolder("elsewhere") + "/renamed";
    fs::rename(sealedCopy, moved);
    const SelfCheckResult result = verifyExecutable(moved);
    EXPECT_EQ(result.status, SelfCheckStatus::Ok);
    EXPECT_TRUE(result.message.empty());
}

TEST_F(SelfCheck, AlteredCopiesAreRefused) {
    const std::string original = readAll(sealedCopy);
    const std::size_t trailer = original.size() - 80;
    ASSERT_EQ(original.substr(trailer, 15), "\nCORVANTA-SEAL:");

    auto flip = [](std::string bytes, std::size_t at) {
        bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
        return bytes;
    };
    auto otherDigit = [&](std::string bytes) {
        char& digit = bytes[trailer + 15 + 10];
        digit = digit == '0' ? '1' : '0';
        return bytes;
    };
    const struct {
        const char* what;
        std::string bytes;
        SelfCheckStatus expected;
    } cases[] = {
        {"one byte flipped in the middle", flip(original, original.size() / 2),
         SelfCheckStatus::Altered},
        {"first byte flipped", flip(original, 0), SelfCheckStatus::Altered},
        {"recorded digest changed", otherDigit(original), SelfCheckStatus::Altered},
        {"a byte appended", original + "x", SelfCheckStatus::NotSealed},
        {"trailer cut off", original.substr(0, trailer), SelfCheckStatus::NotSealed},
        {"code inserted before the trailer",
         original.substr(0, trailer) + "evil" + original.substr(trailer), SelfCheckStatus::Altered},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(sealedCopy, c.bytes);
        const SelfCheckResult result = verifyExecutable(sealedCopy);
        EXPECT_EQ(result.status, c.expected);
        EXPECT_NE(result.message.find("Corvanta will not start"), std::string::npos);
        EXPECT_NE(result.message.find(sealedCopy), std::string::npos);
    }
}

TEST_F(SelfCheck, SealScriptSealsAnyFile) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {{"empty", ""}, {"text", "hello\n"}, {"binary", std::string("\0\xff\n\r", 4)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder + "/file";
        writeAll(path, c.bytes);
        EXPECT_EQ(verifyExecutable(path).status, SelfCheckStatus::NotSealed);
        ASSERT_TRUE(seal(path));
        EXPECT_EQ(verifyExecutable(path).status, SelfCheckStatus::Ok);
        EXPECT_EQ(fs::file_size(path), c.bytes.size() + 80);
    }
}

TEST_F(SelfCheck, MissingOrUnreadableFile) {
    EXPECT_EQ(verifyExecutable(folder + "/absent").status, SelfCheckStatus::Unreadable);
    EXPECT_EQ(verifyExecutable(folder).status, SelfCheckStatus::Unreadable) << "a folder";
}

} // namespace
