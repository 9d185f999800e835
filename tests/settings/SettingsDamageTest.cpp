#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <random>

using namespace corvanta;

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Outcome { Ok, WrongVersion, Damaged };

Outcome outcomeOf(const Bytes& plain) {
    const DecodeResult r = decodeSettings(plain, kMainWindowKinds);
    if (std::holds_alternative<SettingsImage>(r))
        return Outcome::Ok;
    return std::holds_alternative<SettingsWrongVersion>(r) ? Outcome::WrongVersion
                                                           : Outcome::Damaged;
}

void putInt32(Bytes& b, std::size_t at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

class DamagedSettings : public ::testing::Test {
protected:
    // Prohibited list {"12"} at offset 20: count, then the item's length at 24.
    const Bytes valid =
        encodeSettings(mainWindowImage(5, {"12"}, {}, {true, true, true, true, false}, "pw",
                                       {false, false, true, true, true, false, false}));
    static constexpr std::size_t kCount = 20;
    static constexpr std::size_t kItemLength = 24;
};

} // namespace

TEST_F(DamagedSettings, TruncatedAtEveryLength) {
    ASSERT_EQ(outcomeOf(valid), Outcome::Ok);
    for (std::size_t n = 0; n < valid.size(); ++n) {
        const Outcome expected = n < 16 ? Outcome::WrongVersion : Outcome::Damaged;
        EXPECT_EQ(outcomeOf(Bytes(valid.begin(), valid.begin() + n)), expected) << n;
    }
}

TEST_F(DamagedSettings, BadLengthsCountsAndLayouts) {
    struct Case {
        const char* name;
        std::size_t at;
        std::int32_t value;
        Outcome expected;
    } cases[] = {
        {"negative item length", kItemLength, -1, Outcome::Damaged},
        {"item length past the end", kItemLength, 1000, Outcome::Damaged},
        {"largest item length", kItemLength, INT32_MAX, Outcome::Damaged},
        {"negative count", kCount, -3, Outcome::Damaged},
        {"huge count", kCount, 0x7FFFFFF0, Outcome::Damaged},
        {"count one too many", kCount, 2, Outcome::Damaged},
        {"version length", 0, 13, Outcome::WrongVersion},
    };
    for (const auto& c : cases) {
        Bytes b = valid;
        putInt32(b, c.at, c.value);
        EXPECT_EQ(outcomeOf(b), c.expected) << c.name;
    }
}

TEST_F(DamagedSettings, OtherVersionTextOrTrailingBytes) {
    Bytes otherBuild = valid;
    otherBuild[15] = '2';
    EXPECT_EQ(outcomeOf(otherBuild), Outcome::WrongVersion);

    Bytes trailing = valid;
    trailing.push_back(0);
    EXPECT_EQ(outcomeOf(trailing), Outcome::Damaged);

    const DecodeResult r = decodeSettings(valid, {FieldKind::List});
    ASSERT_TRUE(std::holds_alternative<SettingsDamaged>(r));
    EXPECT_FALSE(std::get<SettingsDamaged>(r).reason.empty());
}

TEST_F(DamagedSettings, RandomBytesNeverBreakTheReader) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 5000; ++round) {
        Bytes noise(static_cast<std::size_t>(rng() % 120));
        for (auto& v : noise)
            v = static_cast<std::uint8_t>(byte(rng));
        decryptSettingsBlob(noise);
        EXPECT_NE(outcomeOf(noise), Outcome::Ok);

        // Keep the version and spoil a few bytes after it: whatever decodes must re-encode to
        // the same length and decode the same again.
        Bytes spoilt = valid;
        for (int k = 0; k < 3; ++k)
            spoilt[16 + rng() % (spoilt.size() - 16)] = static_cast<std::uint8_t>(byte(rng));
        const DecodeResult r = decodeSettings(spoilt, kMainWindowKinds);
        if (const auto* image = std::get_if<SettingsImage>(&r)) {
            const Bytes again = encodeSettings(*image);
            EXPECT_EQ(again.size(), spoilt.size());
            EXPECT_EQ(std::get<SettingsImage>(decodeSettings(again, kMainWindowKinds)), *image);
        }
    }
}
