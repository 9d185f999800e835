#include "platform/MemoryRegistry.h"

#include "platform/RegistryNames.h"

namespace corvanta {

using registry_names::folded;
using registry_names::normalKey;

MemoryRegistry::Id MemoryRegistry::id(const std::string& key, const std::string& name) {
    return {folded(normalKey(key)), folded(name)};
}

bool MemoryRegistry::openKey(const std::string& key) {
    keys_.insert(folded(normalKey(key)));
    return true;
}

bool MemoryRegistry::hasKey(const std::string& key) const {
    return keys_.count(folded(normalKey(key))) != 0;
}

const MemoryRegistry::Value* MemoryRegistry::find(const std::string& key, const std::string& name) {
    const auto it = values_.find(id(key, name));
    if (it == values_.end()) {
        lastError_ = "value not found";
        return nullptr;
    }
    return &it->second;
}

std::optional<std::size_t> MemoryRegistry::valueSize(const std::string& key,
                                                     const std::string& name) {
    const Value* value = find(key, name);
    return value ? std::optional<std::size_t>(value->data.size()) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> MemoryRegistry::readBinary(const std::string& key,
                                                                    const std::string& name) {
    const Value* value = find(key, name);
    if (!value || value->type != RegistryType::Binary) {
        lastError_ = "no binary value " + name;
        return std::nullopt;
    }
    return value->data;
}

std::optional<std::string> MemoryRegistry::readString(const std::string& key,
                                                      const std::string& name) {
    const Value* value = find(key, name);
    if (!value || value->type != RegistryType::String) {
        lastError_ = "no string value " + name;
        return std::nullopt;
    }
    return std::string(value->data.begin(), value->data.end());
}

bool MemoryRegistry::write(const std::string& key, const std::string& name, Value value) {
    if (failWrites) {
        lastError_ = "write refused";
        return false;
    }
    ++writeCount;
    openKey(key);
    values_[id(key, name)] = std::move(value);
    return true;
}

bool MemoryRegistry::writeBinary(const std::string& key, const std::string& name,
                                 const std::vector<std::uint8_t>& data) {
    return write(key, name, {RegistryType::Binary, data});
}

bool MemoryRegistry::writeString(const std::string& key, const std::string& name,
                                 const std::string& data) {
    return write(key, name, {RegistryType::String, {data.begin(), data.end()}});
}

bool MemoryRegistry::deleteValue(const std::string& key, const std::string& name) {
    if (failWrites) {
        lastError_ = "delete refused";
        return false;
    }
    values_.erase(id(key, name));
    return true;
}

} // namespace corvanta
