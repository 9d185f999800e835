#pragma once
// The per-user registry: keys holding typed values. Key names are kept without a leading
// backslash and compared without regard to case.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvanta {

enum class RegistryType : int { String = 1, Binary = 3 };

namespace registry_keys {
inline const std::string kSettings = "Software\\Corvanta\\LocalCfg";
inline const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
} // namespace registry_keys

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opening creates the key when it is missing.
    virtual bool openKey(const std::string& key) = 0;
    // Fails (nullopt) when the value is missing.
    virtual std::optional<std::size_t> valueSize(const std::string& key,
                                                 const std::string& name) = 0;
    // Fail when the value is missing or of another type.
    virtual std::optional<std::vector<std::uint8_t>> readBinary(const std::string& key,
                                                                const std::string& name) = 0;
    virtual std::optional<std::string> readString(const std::string& key,
                                                  const std::string& name) = 0;
    // Each write replaces the value atomically: afterwards the old or the new value is there.
    virtual bool writeBinary(const std::string& key, const std::string& name,
                             const std::vector<std::uint8_t>& data) = 0;
    virtual bool writeString(const std::string& key, const std::string& name,
                             const std::string& data) = 0;
    // Deleting a value that is not there is no error.
    virtual bool deleteValue(const std::string& key, const std::string& name) = 0;
    // Text of the last failure, for the error report.
    virtual std::string lastError() const = 0;
};

} // namespace corvanta
