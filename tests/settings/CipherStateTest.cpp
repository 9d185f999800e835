#include "settings/Cipher.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvanta;

namespace {

using Bytes = std::vector<std::uint8_t>;

class NotInitializedCipher : public ::testing::Test {
protected:
    void expectRefused(bool decode) {
        const Bytes source(12, 0x11);
        Bytes destination(12, 0x77);
        try {
            if (decode)
                cipher.DecodeBuffer(source.data(), destination.data(), 12, false);
            else
                cipher.EncodeBuffer(source.data(), destination.data(), 12, false);
            ADD_FAILURE() << "no error raised";
        } catch (const ECipherException& e) {
            EXPECT_EQ(e.Code, 3);
            EXPECT_STREQ(e.what(),
                         "TCipher_Blowfish is not initialized call Init() or InitKey() before.");
        }
        EXPECT_EQ(destination, Bytes(12, 0x77));
    }

    TCipher_Blowfish cipher{"key"};
};

} // namespace

TEST_F(NotInitializedCipher, AfterProtect) {
    cipher.Protect();
    EXPECT_FALSE(cipher.GetFlag(TCipher::KeyedFlag));
    EXPECT_FALSE(cipher.GetFlag(TCipher::InitializedFlag));
    expectRefused(false);
    expectRefused(true);
}

TEST_F(NotInitializedCipher, AfterInitWithoutKeyBytes) {
    const std::uint8_t key = 0;
    cipher.Init(&key, 0);
    expectRefused(false);
    cipher.Init(&key, -5);
    expectRefused(true);
}

TEST_F(NotInitializedCipher, InitKeyRestoresTheObject) {
    cipher.Protect();
    cipher.InitKey("key", false);
    EXPECT_TRUE(cipher.GetFlag(TCipher::KeyedFlag));
    EXPECT_TRUE(cipher.GetFlag(TCipher::InitializedFlag));

    Bytes data(12, 0x11);
    cipher.EncodeBuffer(data.data(), data.data(), 12, false);
    TCipher_Blowfish fresh("key");
    fresh.DecodeBuffer(data.data(), data.data(), 12, false);
    EXPECT_EQ(data, Bytes(12, 0x11));
}

TEST(CipherFlags, RawInitInitializesWithoutKeying) {
    TCipher_Blowfish cipher("");
    const std::uint8_t key[] = {1, 2, 3};
    cipher.Init(key, 3);
    EXPECT_FALSE(cipher.GetFlag(TCipher::KeyedFlag));
    EXPECT_TRUE(cipher.GetFlag(TCipher::InitializedFlag));
}

TEST(CipherLock, SameThreadMayEnterAgain) {
    TCipher_Blowfish cipher("");
    Bytes data(20, 0x42);
    cipher.Lock();
    cipher.InitKey("locked", true);
    cipher.EncodeBuffer(data.data(), data.data(), 20, true);
    cipher.DecodeBuffer(data.data(), data.data(), 20, true);
    cipher.Unlock();
    EXPECT_EQ(data, Bytes(20, 0x42));
}
