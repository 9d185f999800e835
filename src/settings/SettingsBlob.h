#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace corvanta {

enum class FieldKind { Check, Text, List };

using SettingsField = std::variant<bool, std::string, std::vector<std::string>>;

FieldKind kindOf(const SettingsField& field);

struct SettingsImage {
    std::int32_t timeLimit = 0;
    std::vector<SettingsField> fields;

    bool operator==(const SettingsImage&) const = default;
};

struct SettingsWrongVersion {};

struct SettingsDamaged {
    std::string reason;
};

using DecodeResult = std::variant<SettingsImage, SettingsWrongVersion, SettingsDamaged>;

std::vector<std::uint8_t> encodeSettings(const SettingsImage& image);
DecodeResult decodeSettings(const std::vector<std::uint8_t>& plain,
                            const std::vector<FieldKind>& expectedKinds);

void encryptSettingsBlob(std::vector<std::uint8_t>& blob);
void decryptSettingsBlob(std::vector<std::uint8_t>& blob);

} // namespace corvanta
