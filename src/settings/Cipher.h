#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvanta {

class ECipherException : public std::runtime_error {
public:
    ECipherException(std::int32_t code, const std::string& message)
        : std::runtime_error(message), Code(code) {}

    std::int32_t Code;
};

inline constexpr std::int32_t kCipherNotInitialized = 3;

[[noreturn]] void RaiseCipherException(std::int32_t code, const std::string& message);

struct TCipherContext {
    std::int32_t BlockLength;
    std::int32_t KeyLimit;
    std::int32_t ContextLength;
};

class TCipher {
public:
    static constexpr int KeyedFlag = 0;
    static constexpr int InitializedFlag = 1;

    TCipher(const TCipher&) = delete;
    TCipher& operator=(const TCipher&) = delete;
    virtual ~TCipher();

    virtual void SetFlag(int bit, bool value);
    virtual void InitEnd();
    virtual void Encode(std::uint8_t* block) = 0;
    virtual void Decode(std::uint8_t* block) = 0;
    virtual void Init(const std::uint8_t* key, std::int32_t size) = 0;
    virtual void Done();
    virtual void Protect();
    virtual std::string_view ClassName() const = 0;

    bool GetFlag(int bit) const { return (Flags >> bit) & 1u; }
    void Lock() { Guard.lock(); }
    void Unlock() { Guard.unlock(); }

    void InitKey(std::string_view keyText, bool lock);
    void FastReinit();
    void EncodeBuffer(const std::uint8_t* source, std::uint8_t* destination, std::int32_t size,
                      bool lock);
    void DecodeBuffer(const std::uint8_t* source, std::uint8_t* destination, std::int32_t size,
                      bool lock);

protected:
    explicit TCipher(const TCipherContext& sizes);

    void InitBegin(std::int32_t& size);
    std::uint8_t* ContextBytes() { return Context.get(); }
    const std::uint8_t* ContextBytes() const { return Context.get(); }

private:
    void RequireInitialized() const;
    std::unique_lock<std::recursive_mutex> BeginBuffer(bool lock);
    void XorTail(std::uint8_t* bytes, std::int32_t count);

    std::int32_t KeyLimit;
    std::int32_t BlockLength;
    std::int32_t ContextLength;
    std::unique_ptr<std::uint8_t[]> WorkBlock;
    std::unique_ptr<std::uint8_t[]> StartVector;
    std::unique_ptr<std::uint8_t[]> Chain;
    std::unique_ptr<std::uint8_t[]> SavedChain;
    std::unique_ptr<std::uint8_t[]> Context;
    std::uint32_t Flags = 0;
    std::recursive_mutex Guard;
};

class TCipher_Blowfish : public TCipher {
public:
    explicit TCipher_Blowfish(std::string_view keyText);

    static constexpr TCipherContext GetContext() { return {8, 56, 4168}; }
    static constexpr std::int32_t MaxKeySize() { return GetContext().KeyLimit; }

    void Encode(std::uint8_t* block) override;
    void Decode(std::uint8_t* block) override;
    void Init(const std::uint8_t* key, std::int32_t size) override;
    std::string_view ClassName() const override { return "TCipher_Blowfish"; }

private:
    std::uint32_t Word(int index) const;
    void SetWord(int index, std::uint32_t value);
    std::uint32_t Round(std::uint32_t half) const;
    void EncryptHalves(std::uint32_t& left, std::uint32_t& right) const;
};

} // namespace corvanta
