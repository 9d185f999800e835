#pragma once
// The per-user registry in an SQLite file. String values of the Run key are mirrored as XDG
// autostart entries, so the programs listed there really start at log-in.
#include "platform/AutostartEntries.h"
#include "platform/Registry.h"

#include <memory>

namespace corvanta {

class SqliteDatabase;
class SqliteTransaction;

class SqliteRegistry final : public IRegistry {
public:
    // $XDG_CONFIG_HOME/Corvanta/registry.sqlite3
    static std::string defaultPath();

    // The file is opened on first use, so a registry that cannot be opened fails each call
    // (with lastError) instead of the constructor.
    explicit SqliteRegistry(std::string databasePath = defaultPath(),
                            std::string autostartFolder = defaultAutostartFolder());
    ~SqliteRegistry() override;

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

private:
    struct Stored {
        std::string name; // as first written
        RegistryType type;
        std::vector<std::uint8_t> data;
    };

    static std::string defaultAutostartFolder();
    SqliteDatabase& db();
    std::optional<Stored> read(const std::string& key, const std::string& name);
    bool write(const std::string& key, const std::string& name, RegistryType type,
               const std::vector<std::uint8_t>& data);
    void updateAutostart(const std::string& key, const std::optional<Stored>& before,
                         const std::optional<Stored>& after);
    void commit(SqliteTransaction& transaction, const std::string& key,
                const std::optional<Stored>& before, const std::optional<Stored>& after);
    template <typename F> auto guarded(F&& action, decltype(action()) onError);

    std::string path_;
    AutostartEntries autostart_;
    std::unique_ptr<SqliteDatabase> db_;
    std::string lastError_;
};

} // namespace corvanta
