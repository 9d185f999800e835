#include "settings/BlowfishTables.h"
#include "settings/Cipher.h"

#include <cstring>
#include <utility>

namespace corvanta {
namespace {

// Context layout: the four S-boxes, then the P-array.
constexpr int kBoxWords = 256;
constexpr int kP = 4 * kBoxWords;
constexpr int kPWords = blowfish::kRounds + 2;

std::uint32_t loadBigEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

void storeBigEndian(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

} // namespace

// The key is set here rather than in TCipher's constructor: virtual calls made there would not
// reach this class's block function yet.
TCipher_Blowfish::TCipher_Blowfish(std::string_view keyText) : TCipher(GetContext()) {
    InitKey(keyText, false);
}

std::uint32_t TCipher_Blowfish::Word(int index) const {
    std::uint32_t w;
    std::memcpy(&w, ContextBytes() + 4 * index, sizeof w);
    return w;
}

void TCipher_Blowfish::SetWord(int index, std::uint32_t value) {
    std::memcpy(ContextBytes() + 4 * index, &value, sizeof value);
}

std::uint32_t TCipher_Blowfish::Round(std::uint32_t half) const {
    return ((Word(half >> 24) + Word(kBoxWords + ((half >> 16) & 0xFF))) ^
            Word(2 * kBoxWords + ((half >> 8) & 0xFF))) +
           Word(3 * kBoxWords + (half & 0xFF));
}

void TCipher_Blowfish::EncryptHalves(std::uint32_t& left, std::uint32_t& right) const {
    for (int i = 0; i < blowfish::kRounds; ++i) {
        left ^= Word(kP + i);
        right ^= Round(left);
        std::swap(left, right);
    }
    std::swap(left, right);
    right ^= Word(kP + blowfish::kRounds);
    left ^= Word(kP + blowfish::kRounds + 1);
}

void TCipher_Blowfish::Encode(std::uint8_t* block) {
    std::uint32_t left = loadBigEndian(block);
    std::uint32_t right = loadBigEndian(block + 4);
    EncryptHalves(left, right);
    storeBigEndian(block, left);
    storeBigEndian(block + 4, right);
}

void TCipher_Blowfish::Decode(std::uint8_t* block) {
    std::uint32_t left = loadBigEndian(block);
    std::uint32_t right = loadBigEndian(block + 4);
    for (int i = blowfish::kRounds + 1; i > 1; --i) {
        left ^= Word(kP + i);
        right ^= Round(left);
        std::swap(left, right);
    }
    std::swap(left, right);
    right ^= Word(kP + 1);
    left ^= Word(kP);
    storeBigEndian(block, left);
    storeBigEndian(block + 4, right);
}

void TCipher_Blowfish::Init(const std::uint8_t* key, std::int32_t size) {
    InitBegin(size);
    // Without key bytes there is nothing to cycle through: the object stays not initialized.
    if (size == 0)
        return;
    for (int box = 0; box < 4; ++box)
        for (int i = 0; i < kBoxWords; ++i)
            SetWord(box * kBoxWords + i, blowfish::kInitialS[box][i]);
    for (int i = 0; i < kPWords; ++i) {
        std::uint8_t bytes[4];
        for (int j = 0; j < 4; ++j)
            bytes[j] = key[(4 * i + j) % size];
        SetWord(kP + i, blowfish::kInitialP[i] ^ loadBigEndian(bytes));
    }
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    auto refill = [&](int first, int count) {
        for (int i = first; i < first + count; i += 2) {
            EncryptHalves(left, right);
            SetWord(i, left);
            SetWord(i + 1, right);
        }
    };
    refill(kP, kPWords);
    refill(0, kP);
    InitEnd();
}

} // namespace corvanta
