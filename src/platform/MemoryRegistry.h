#pragma once
// In-memory registry for tests, with the same naming and type rules as the real one. Writes
// can be made to fail to exercise error paths.
#include "platform/Registry.h"

#include <map>
#include <set>
#include <utility>

namespace corvanta {

class MemoryRegistry final : public IRegistry {
public:
    bool failWrites = false;
    int writeCount = 0;

    bool openKey(const std::string& key) override;
    std::optional<std::size_t> valueSize(const std::string& key, const std::string& name) override;
    std::optional<std::vector<std::uint8_t>> readBinary(const std::string& key,
                                                        const std::string& name) override;
    std::optional<std::string> readString(const std::string& key, const std::string& name) override;
    bool writeBinary(const std::string& key, const std::string& name,
                     const std::vector<std::uint8_t>& data) override;
    bool writeString(const std::string& key, const std::string& name,
                     const std::string& data) override;
    bool deleteValue(const std::string& key, const std::string& name) override;
    std::string lastError() const override { return lastError_; }

    bool hasKey(const std::string& key) const;

private:
    struct Value {
        RegistryType type;
        std::vector<std::uint8_t> data;
    };
    using Id = std::pair<std::string, std::string>; // folded key, folded name

    static Id id(const std::string& key, const std::string& name);
    const Value* find(const std::string& key, const std::string& name);
    bool write(const std::string& key, const std::string& name, Value value);

    std::set<std::string> keys_; // folded
    std::map<Id, Value> values_;
    std::string lastError_;
};

} // namespace corvanta
