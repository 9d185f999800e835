#include "GoldenData.h"
#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace corvanta;

namespace {

using Bytes = std::vector<std::uint8_t>;

SettingsImage decodedImage(const Bytes& plain) {
    DecodeResult result = decodeSettings(plain, kMainWindowKinds);
    if (const auto* damaged = std::get_if<SettingsDamaged>(&result))
        ADD_FAILURE() << damaged->reason;
    EXPECT_TRUE(std::holds_alternative<SettingsImage>(result));
    auto* image = std::get_if<SettingsImage>(&result);
    return image ? *image : SettingsImage{};
}

std::int32_t int32At(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                     static_cast<std::uint32_t>(b[at + 3]) << 24);
}

} // namespace

TEST(SettingsBlob, DefaultsAreFortyFourBytesStoredAsTheReferenceHasThem) {
    Bytes blob = encodeSettings(designedDefaults());
    ASSERT_EQ(blob.size(), 44u);
    encryptSettingsBlob(blob);
    EXPECT_EQ(blob, golden::kStoredDefaults);
    decryptSettingsBlob(blob);
    EXPECT_EQ(decodedImage(blob), designedDefaults());
}

TEST(SettingsBlob, FieldOffsets) {
    const Bytes plain =
        encodeSettings(mainWindowImage(0x01020304, {"a", "bc"}, {}, {true, true, true, true, false},
                                       "", {false, false, true, true, true, false, false}));
    EXPECT_EQ(int32At(plain, 0), 12);
    EXPECT_EQ(std::string(plain.begin() + 4, plain.begin() + 16), "Build #39-13");
    EXPECT_EQ(int32At(plain, 16), 0x01020304);
    EXPECT_EQ(int32At(plain, 20), 2);
    EXPECT_EQ(int32At(plain, 24), 1);
    EXPECT_EQ(plain[28], 'a');
    EXPECT_EQ(int32At(plain, 29), 2);
}

TEST(SettingsBlob, ReferenceBlobDecodesExactlyAndReencodesByteForByte) {
    const SettingsImage expected =
        mainWindowImage(-15, {"8-900*", "", "*0"}, {"8-900-555"}, {true, false, true, true, true},
                        "p\xE4ss\xFF", {false, true, false, true, false, true, false});
    Bytes blob = golden::kStoredBusy;
    decryptSettingsBlob(blob);
    EXPECT_EQ(decodedImage(blob), expected);

    // The reference stores its third and fourth checks as 2 and 255; they come back as 1.
    const std::size_t thirdCheck = 63;
    ASSERT_EQ(blob[thirdCheck], 2);
    ASSERT_EQ(blob[thirdCheck + 1], 255);
    blob[thirdCheck] = blob[thirdCheck + 1] = 1;
    EXPECT_EQ(encodeSettings(expected), blob);
}

TEST(SettingsBlob, AnyNonzeroCheckByteIsChecked) {
    const std::size_t firstCheck = 28;
    for (std::uint8_t stored : {0, 1, 2, 127, 255}) {
        Bytes plain = encodeSettings(designedDefaults());
        plain[firstCheck] = stored;
        EXPECT_EQ(std::get<bool>(decodedImage(plain).fields[2]), stored != 0) << int{stored};
    }
}

TEST(SettingsBlob, RoundTrips) {
    const SettingsImage cases[] = {
        designedDefaults(),
        mainWindowImage(-1, {"", "", "x"}, {"", "9"}, {false, false, false, false, true}, "#pw#",
                        {true, true, false, false, false, true, true}),
        mainWindowImage(INT_MIN, {"8-800*"}, {}, {true, false, true, false, true},
                        std::string("\x80\x00\xFE", 3),
                        {true, false, true, false, true, false, true}),
        mainWindowImage(INT_MAX, Items(300, "8-900-*"), Items{std::string(5000, '7')},
                        {true, true, true, true, true}, std::string(300, '\xE9'),
                        {true, true, true, true, true, true, true}),
    };
    for (const auto& image : cases) {
        SCOPED_TRACE(image.timeLimit);
        Bytes blob = encodeSettings(image);
        encryptSettingsBlob(blob);
        decryptSettingsBlob(blob);
        EXPECT_EQ(decodedImage(blob), image);
    }
}

TEST(SettingsBlob, KindOfFollowsTheVariant) {
    EXPECT_EQ(kindOf(SettingsField{true}), FieldKind::Check);
    EXPECT_EQ(kindOf(SettingsField{std::string("x")}), FieldKind::Text);
    EXPECT_EQ(kindOf(SettingsField{Items{}}), FieldKind::List);
}
