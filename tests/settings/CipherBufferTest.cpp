#include "GoldenData.h"
#include "settings/Cipher.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes counting(std::size_t n) {
    Bytes b(n);
    std::iota(b.begin(), b.end(), std::uint8_t{0});
    return b;
}

std::int32_t size32(const Bytes& b) {
    return static_cast<std::int32_t>(b.size());
}

Bytes encoded(std::string_view key, Bytes data) {
    TCipher_Blowfish(key).EncodeBuffer(data.data(), data.data(), size32(data), false);
    return data;
}

Bytes decoded(std::string_view key, Bytes data) {
    TCipher_Blowfish(key).DecodeBuffer(data.data(), data.data(), size32(data), false);
    return data;
}

} // namespace

TEST(CipherBuffer, MatchesIndependentChaining) {
    EXPECT_EQ(encoded("", counting(44)), golden::kCountingEmptyKey);
    EXPECT_EQ(decoded("", golden::kCountingEmptyKey), counting(44));
    EXPECT_EQ(encoded(golden::kLongKey, counting(44)), golden::kCountingLongKey);
    EXPECT_EQ(decoded(golden::kLongKey, golden::kCountingLongKey), counting(44));
}

TEST(CipherBuffer, ShortBufferIsXorWithEncryptedStartVector) {
    TCipher_Blowfish cipher("");
    Bytes pad = golden::kStartVectorEmptyKey;
    cipher.Encode(pad.data());
    for (std::size_t n = 1; n < 8; ++n) {
        Bytes zeros(n, 0);
        EXPECT_EQ(encoded("", zeros), Bytes(pad.begin(), pad.begin() + n)) << n;
    }
}

TEST(CipherBuffer, RoundTripsEveryLengthInPlaceAndOutOfPlace) {
    const std::string key = "round trip";
    for (std::size_t n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 44, 1000}) {
        SCOPED_TRACE(n);
        const Bytes plain = counting(n);
        const Bytes inPlace = encoded(key, plain);
        if (n > 0) {
            EXPECT_NE(inPlace, plain);
        }
        EXPECT_EQ(decoded(key, inPlace), plain);

        TCipher_Blowfish cipher(key);
        Bytes cipherText(n, 0xEE);
        Bytes back(n, 0xEE);
        cipher.EncodeBuffer(plain.data(), cipherText.data(), size32(plain), false);
        EXPECT_EQ(cipherText, inPlace);
        cipher.DecodeBuffer(cipherText.data(), back.data(), size32(cipherText), false);
        EXPECT_EQ(back, plain);
    }
}

TEST(CipherBuffer, EveryCallRestartsTheChain) {
    const Bytes plain = counting(16);
    const Bytes whole = encoded("split", plain);
    TCipher_Blowfish cipher("split");
    Bytes halves = plain;
    cipher.EncodeBuffer(halves.data(), halves.data(), 8, false);
    cipher.EncodeBuffer(halves.data() + 8, halves.data() + 8, 8, false);
    EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + 8, halves.begin()));
    EXPECT_FALSE(std::equal(whole.begin() + 8, whole.end(), halves.begin() + 8));

    cipher.DecodeBuffer(halves.data(), halves.data(), 8, false);
    cipher.DecodeBuffer(halves.data() + 8, halves.data() + 8, 8, false);
    EXPECT_EQ(halves, plain);
}

TEST(CipherBuffer, KeyTextIsPaddedToThirtyTwoAndCutAtFiftySix) {
    const std::string fiftySix(56, 'k');
    struct Case {
        std::string a;
        std::string b;
        bool same;
    } cases[] = {
        {"abcdefghij", "abcdefghij" + std::string(22, ' '), true},
        {"", std::string(32, ' '), true},
        {fiftySix, fiftySix + "anything after", true},
        {"abc" + std::string(29, ' '), "abc" + std::string(30, ' '), false},
        {fiftySix, std::string(55, 'k') + 'x', false},
    };
    const Bytes plain = counting(20);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + "|" + c.b);
        EXPECT_EQ(encoded(c.a, plain) == encoded(c.b, plain), c.same);
    }
}

TEST(CipherBuffer, ZeroSizeChangesNothing) {
    TCipher_Blowfish cipher("");
    Bytes data = {1, 2, 3};
    cipher.EncodeBuffer(data.data(), data.data(), 0, false);
    cipher.DecodeBuffer(data.data(), data.data(), 0, false);
    EXPECT_EQ(data, (Bytes{1, 2, 3}));
}
