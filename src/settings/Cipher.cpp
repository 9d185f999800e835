#include "settings/Cipher.h"

#include <algorithm>
#include <cstring>

namespace corvanta {
namespace {

// Volatile stores, so that wiping right before a buffer is freed is not optimised away.
void wipe(std::uint8_t* bytes, std::int32_t size, std::uint8_t value) {
    volatile std::uint8_t* p = bytes;
    for (std::int32_t i = 0; i < size; ++i)
        p[i] = value;
}

void xorInto(std::uint8_t* target, const std::uint8_t* other, std::int32_t size) {
    for (std::int32_t i = 0; i < size; ++i)
        target[i] ^= other[i];
}

std::unique_ptr<std::uint8_t[]> allocate(std::int32_t size) {
    return std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(size));
}

} // namespace

void RaiseCipherException(std::int32_t code, const std::string& message) {
    throw ECipherException(code, message);
}

TCipher::TCipher(const TCipherContext& sizes)
    : KeyLimit(sizes.KeyLimit), BlockLength(sizes.BlockLength), ContextLength(sizes.ContextLength),
      WorkBlock(allocate(BlockLength)), StartVector(allocate(BlockLength)),
      Chain(allocate(BlockLength)), SavedChain(allocate(BlockLength)),
      Context(allocate(ContextLength)) {}

TCipher::~TCipher() {
    Protect();
}

void TCipher::SetFlag(int bit, bool value) {
    if (value)
        Flags |= 1u << bit;
    else
        Flags &= ~(1u << bit);
}

void TCipher::InitBegin(std::int32_t& size) {
    SetFlag(InitializedFlag, false);
    Protect();
    size = std::clamp(size, 0, KeyLimit);
}

void TCipher::InitEnd() {
    Encode(StartVector.get());
    std::memcpy(Chain.get(), StartVector.get(), BlockLength);
    SetFlag(InitializedFlag, true);
}

void TCipher::InitKey(std::string_view keyText, bool lock) {
    std::string work(keyText);
    if (work.size() < 32)
        work.resize(32, ' ');
    if (work.size() > static_cast<std::size_t>(KeyLimit))
        work.resize(KeyLimit);
    const auto n = static_cast<std::int32_t>(work.size());
    auto* bytes = reinterpret_cast<std::uint8_t*>(work.data());

    std::unique_lock guard(Guard, std::defer_lock);
    if (lock)
        guard.lock();
    Protect();
    Init(bytes, n);
    // Leaves cipher text, not the key, in the copy that is about to be freed.
    EncodeBuffer(bytes, bytes, n, false);
    Done();
    std::memcpy(SavedChain.get(), Chain.get(), BlockLength);
    SetFlag(KeyedFlag, true);
}

void TCipher::FastReinit() {
    std::memcpy(Chain.get(), SavedChain.get(), BlockLength);
}

void TCipher::Done() {
    if (std::memcmp(Chain.get(), StartVector.get(), BlockLength) == 0)
        return;
    std::memcpy(WorkBlock.get(), Chain.get(), BlockLength);
    std::memcpy(Chain.get(), StartVector.get(), BlockLength);
}

void TCipher::Protect() {
    SetFlag(KeyedFlag, false);
    SetFlag(InitializedFlag, false);
    for (std::uint8_t pattern : {0xAA, 0x55}) {
        wipe(StartVector.get(), BlockLength, pattern);
        wipe(Chain.get(), BlockLength, pattern);
        wipe(WorkBlock.get(), BlockLength, pattern);
        wipe(Context.get(), ContextLength, pattern);
    }
    wipe(StartVector.get(), BlockLength, 0xFF);
    wipe(Chain.get(), BlockLength, 0xFF);
    wipe(WorkBlock.get(), BlockLength, 0x00);
    wipe(Context.get(), ContextLength, 0x00);
}

void TCipher::RequireInitialized() const {
    if (!GetFlag(InitializedFlag))
        RaiseCipherException(kCipherNotInitialized,
                             std::string(ClassName()) +
                                 " is not initialized call Init() or InitKey() before.");
}

std::unique_lock<std::recursive_mutex> TCipher::BeginBuffer(bool lock) {
    std::unique_lock guard(Guard, std::defer_lock);
    if (lock)
        guard.lock();
    RequireInitialized();
    FastReinit();
    return guard;
}

// A partial last block is the same both ways: bytes XOR E(chain), then chain ^= E(chain).
void TCipher::XorTail(std::uint8_t* bytes, std::int32_t count) {
    std::memcpy(WorkBlock.get(), Chain.get(), BlockLength);
    Encode(WorkBlock.get());
    xorInto(bytes, WorkBlock.get(), count);
    xorInto(Chain.get(), WorkBlock.get(), BlockLength);
}

void TCipher::EncodeBuffer(const std::uint8_t* source, std::uint8_t* destination, std::int32_t size,
                           bool lock) {
    const auto guard = BeginBuffer(lock);
    std::int32_t pos = 0;
    for (; size - pos >= BlockLength; pos += BlockLength) {
        std::uint8_t* block = destination + pos;
        for (std::int32_t i = 0; i < BlockLength; ++i)
            block[i] = source[pos + i] ^ Chain[i];
        Encode(block);
        xorInto(Chain.get(), block, BlockLength);
    }
    if (pos < size) {
        std::memmove(destination + pos, source + pos, static_cast<std::size_t>(size - pos));
        XorTail(destination + pos, size - pos);
    }
}

void TCipher::DecodeBuffer(const std::uint8_t* source, std::uint8_t* destination, std::int32_t size,
                           bool lock) {
    const auto guard = BeginBuffer(lock);
    if (size > 0 && source != destination)
        std::memmove(destination, source, static_cast<std::size_t>(size));
    std::int32_t pos = 0;
    for (; size - pos >= BlockLength; pos += BlockLength) {
        std::uint8_t* block = destination + pos;
        std::memcpy(WorkBlock.get(), block, BlockLength);
        xorInto(WorkBlock.get(), Chain.get(), BlockLength);
        Decode(block);
        xorInto(block, Chain.get(), BlockLength);
        std::memcpy(Chain.get(), WorkBlock.get(), BlockLength);
    }
    if (pos < size)
        XorTail(destination + pos, size - pos);
}

} // namespace corvanta
