// The sounds synthesised at build time must be valid 16-bit mono PCM files of the intended
// length, or the player silently refuses them.
#include "TestEnvironment.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | b.at(at + static_cast<std::size_t>(i));
    return value;
}

std::string tag(const std::vector<unsigned char>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

TEST(WavGen, BuiltSoundsAreValidPcm) {
    const struct {
        const char* name;
        double minSeconds, maxSeconds;
    } cases[] = {{"start.wav", 0.4, 0.8}, {"alarm.wav", 1.2, 2.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ifstream in(corvanta::test::binaryFolder() + "/" + c.name, std::ios::binary);
        ASSERT_TRUE(in) << "not built";
        const std::vector<unsigned char> b(std::istreambuf_iterator<char>(in), {});
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(tag(b, 0), "RIFF");
        EXPECT_EQ(le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(tag(b, 8), "WAVE");
        EXPECT_EQ(tag(b, 12), "fmt ");
        EXPECT_EQ(le(b, 16, 4), 16u);    // chunk size
        EXPECT_EQ(le(b, 20, 2), 1u);     // PCM
        EXPECT_EQ(le(b, 22, 2), 1u);     // mono
        EXPECT_EQ(le(b, 24, 4), 22050u); // rate
        EXPECT_EQ(le(b, 28, 4), 44100u); // bytes per second
        EXPECT_EQ(le(b, 32, 2), 2u);     // block align
        EXPECT_EQ(le(b, 34, 2), 16u);    // bits
        EXPECT_EQ(tag(b, 36), "data");
        const std::uint32_t dataBytes = le(b, 40, 4);
        EXPECT_EQ(dataBytes, b.size() - 44);
        const double seconds = dataBytes / 44100.0;
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);

        // Audible, not clipped hard, and silent at both ends (faded).
        int peak = 0;
        for (std::size_t i = 44; i + 1 < b.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<std::int16_t>(le(b, i, 2))));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32767);
        EXPECT_LT(std::abs(static_cast<std::int16_t>(le(b, 44, 2))), 200);
        EXPECT_LT(std::abs(static_cast<std::int16_t>(le(b, b.size() - 2, 2))), 200);
    }
}

} // namespace
