#include "settings/SettingsBlob.h"

#include "app/BuildInfo.h"
#include "settings/Cipher.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace corvanta {
namespace {

constexpr std::size_t kIntSize = 4;

class Writer {
public:
    void integer(std::int32_t value) {
        const auto v = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    void text(std::string_view s) {
        if (s.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw std::length_error("settings text too long");
        integer(static_cast<std::int32_t>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
    }
    void field(const SettingsField& f) {
        if (const bool* checked = std::get_if<bool>(&f))
            bytes.push_back(*checked ? 1 : 0);
        else if (const auto* s = std::get_if<std::string>(&f))
            text(*s);
        else
            list(std::get<std::vector<std::string>>(f));
    }

    std::vector<std::uint8_t> bytes;

private:
    void list(const std::vector<std::string>& items) {
        if (items.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw std::length_error("settings list too long");
        integer(static_cast<std::int32_t>(items.size()));
        for (const auto& item : items)
            text(item);
    }
};

struct Damage {
    std::string reason;
};

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& bytes, std::size_t start) : b(bytes), pos(start) {}

    std::int32_t integer(const char* what) {
        need(kIntSize, what);
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < kIntSize; ++i)
            v |= std::uint32_t{b[pos + i]} << (8 * i);
        pos += kIntSize;
        return static_cast<std::int32_t>(v);
    }
    SettingsField field(FieldKind kind) {
        switch (kind) {
        case FieldKind::Check:
            need(1, "check");
            return b[pos++] != 0;
        case FieldKind::Text:
            return text();
        case FieldKind::List:
            return list();
        }
        throw Damage{"unknown field kind"};
    }
    std::size_t remaining() const { return b.size() - pos; }

private:
    void need(std::size_t n, const char* what) const {
        if (remaining() < n)
            fail(what, " cut short");
    }
    [[noreturn]] void fail(const char* what, const std::string& detail) const {
        throw Damage{std::string(what) + " at offset " + std::to_string(pos) + detail};
    }
    // A length or count is checked against what is left before anything is allocated.
    std::size_t length(const char* what, std::size_t minimumItemSize) {
        const std::int32_t n = integer(what);
        if (n < 0)
            fail(what, " is negative");
        if (static_cast<std::size_t>(n) > remaining() / minimumItemSize)
            fail(what, " runs past the end");
        return static_cast<std::size_t>(n);
    }
    std::string text() {
        const std::size_t n = length("text length", 1);
        std::string s(b.begin() + static_cast<std::ptrdiff_t>(pos),
                      b.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
        return s;
    }
    std::vector<std::string> list() {
        const std::size_t m = length("list count", kIntSize);
        std::vector<std::string> items;
        items.reserve(m);
        for (std::size_t i = 0; i < m; ++i)
            items.push_back(text());
        return items;
    }

    const std::vector<std::uint8_t>& b;
    std::size_t pos;
};

std::vector<std::uint8_t> versionField() {
    Writer w;
    w.text(BuildLabel);
    return std::move(w.bytes);
}

bool startsWithVersion(const std::vector<std::uint8_t>& plain,
                       const std::vector<std::uint8_t>& version) {
    return plain.size() >= version.size() &&
           std::memcmp(plain.data(), version.data(), version.size()) == 0;
}

void runCipher(std::vector<std::uint8_t>& blob, bool encrypt) {
    if (blob.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("settings blob too long");
    TCipher_Blowfish cipher("");
    const auto size = static_cast<std::int32_t>(blob.size());
    if (encrypt)
        cipher.EncodeBuffer(blob.data(), blob.data(), size, false);
    else
        cipher.DecodeBuffer(blob.data(), blob.data(), size, false);
}

} // namespace

FieldKind kindOf(const SettingsField& field) {
    return static_cast<FieldKind>(field.index());
}

std::vector<std::uint8_t> encodeSettings(const SettingsImage& image) {
    Writer w;
    w.bytes = versionField();
    w.integer(image.timeLimit);
    for (const auto& f : image.fields)
        w.field(f);
    return std::move(w.bytes);
}

DecodeResult decodeSettings(const std::vector<std::uint8_t>& plain,
                            const std::vector<FieldKind>& expectedKinds) {
    const std::vector<std::uint8_t> version = versionField();
    if (!startsWithVersion(plain, version))
        return SettingsWrongVersion{};
    try {
        Reader r(plain, version.size());
        SettingsImage image;
        image.timeLimit = r.integer("time limit");
        image.fields.reserve(expectedKinds.size());
        for (FieldKind kind : expectedKinds)
            image.fields.push_back(r.field(kind));
        // The layout fixes the length exactly: extra bytes mean fields of another control set.
        if (r.remaining() != 0)
            return SettingsDamaged{std::to_string(r.remaining()) + " bytes after the last field"};
        return image;
    } catch (const Damage& d) {
        return SettingsDamaged{d.reason};
    }
}

void encryptSettingsBlob(std::vector<std::uint8_t>& blob) {
    runCipher(blob, true);
}

void decryptSettingsBlob(std::vector<std::uint8_t>& blob) {
    runCipher(blob, false);
}

} // namespace corvanta
