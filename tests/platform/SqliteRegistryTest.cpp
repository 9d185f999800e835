#include "platform/SqliteRegistry.h"
#include "platform/AutostartEntries.h"
#include "platform/MemoryRegistry.h"
#include "platform/SqliteDatabase.h"

#include "TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace corvanta;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned mode(const std::string& path) {
    return unsigned(fs::status(path).permissions()) & 0777;
}

std::unique_ptr<IRegistry> makeRegistry(MemoryRegistry*) {
    return std::make_unique<MemoryRegistry>();
}

std::unique_ptr<IRegistry> makeRegistry(SqliteRegistry*) {
    const std::string folder = test::makeTempFolder("registry");
    return std::make_unique<SqliteRegistry>(folder + "/registry.sqlite3", folder + "/autostart");
}

} // namespace

// The real registry and its in-memory stand-in keep the same contract.
template <typename T> class RegistryContract : public ::testing::Test {
protected:
    std::unique_ptr<IRegistry> registry = makeRegistry(static_cast<T*>(nullptr));
    const std::string key = registry_keys::kSettings;
};
using Registries = ::testing::Types<SqliteRegistry, MemoryRegistry>;
TYPED_TEST_SUITE(RegistryContract, Registries);

TYPED_TEST(RegistryContract, MissingValueFailsEveryRead) {
    ASSERT_TRUE(this->registry->openKey(this->key));
    EXPECT_FALSE(this->registry->valueSize(this->key, "Corvanta"));
    EXPECT_FALSE(this->registry->readBinary(this->key, "Corvanta"));
    EXPECT_FALSE(this->registry->readString(this->key, "Corvanta"));
    EXPECT_FALSE(this->registry->lastError().empty());
}

TYPED_TEST(RegistryContract, ValuesComeBackWithTheirTypeOnly) {
    IRegistry& r = *this->registry;
    const std::vector<std::uint8_t> blob{0, 1, 0, 255, 7};
    ASSERT_TRUE(r.writeBinary(this->key, "Blob", blob));
    ASSERT_TRUE(r.writeBinary(this->key, "Empty", {}));
    ASSERT_TRUE(r.writeString(this->key, "Text", "C:\\corvanta.exe"));
    EXPECT_EQ(r.readBinary(this->key, "Blob"), blob);
    EXPECT_EQ(r.valueSize(this->key, "Blob"), 5u);
    EXPECT_EQ(r.readBinary(this->key, "Empty"), std::vector<std::uint8_t>{});
    EXPECT_EQ(r.valueSize(this->key, "Empty"), 0u);
    EXPECT_EQ(r.readString(this->key, "Text"), "C:\\corvanta.exe");
    EXPECT_FALSE(r.readString(this->key, "Blob"));
    EXPECT_FALSE(r.readBinary(this->key, "Text"));
}

TYPED_TEST(RegistryContract, OverwriteReplacesDataAndType) {
    IRegistry& r = *this->registry;
    ASSERT_TRUE(r.writeString(this->key, "V", "old text"));
    ASSERT_TRUE(r.writeBinary(this->key, "V", bytes("new")));
    EXPECT_EQ(r.readBinary(this->key, "V"), bytes("new"));
    EXPECT_FALSE(r.readString(this->key, "V"));
}

TYPED_TEST(RegistryContract, KeyAndValueNamesIgnoreCaseAndLeadingBackslash) {
    struct Case {
        std::string writeKey, writeName, readKey, readName;
    };
    const Case cases[] = {
        {"Software\\Corvanta\\LocalCfg", "Corvanta", "\\Software\\Corvanta\\LocalCfg", "Corvanta"},
        {"\\Software\\X", "Value", "Software\\X", "value"},
        {"software\\y", "VALUE", "SOFTWARE\\Y", "Value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readKey + " " + c.readName);
        ASSERT_TRUE(this->registry->writeString(c.writeKey, c.writeName, c.writeKey));
        EXPECT_EQ(this->registry->readString(c.readKey, c.readName), c.writeKey);
    }
    EXPECT_FALSE(this->registry->readString("Software\\X\\Sub", "Value"));
}

TYPED_TEST(RegistryContract, DeletingIsIdempotent) {
    IRegistry& r = *this->registry;
    EXPECT_TRUE(r.deleteValue(this->key, "Never"));
    ASSERT_TRUE(r.writeBinary(this->key, "V", bytes("x")));
    EXPECT_TRUE(r.deleteValue(this->key, "v"));
    EXPECT_FALSE(r.valueSize(this->key, "V"));
    EXPECT_TRUE(r.deleteValue(this->key, "V"));
}

class SqliteRegistryTest : public ::testing::Test {
protected:
    const std::string folder = test::makeTempFolder("sqlite-registry");
    const std::string path = folder + "/Corvanta/registry.sqlite3";
    const std::string autostart = folder + "/autostart";
    SqliteRegistry registry{path, autostart};

    std::string runFile(const std::string& name) const {
        return autostart + "/" + name + ".desktop";
    }
};

TEST_F(SqliteRegistryTest, StoresKeysAndTypedValuesInTheDesignedTables) {
    ASSERT_TRUE(registry.openKey("\\Software\\Corvanta\\LocalCfg"));
    ASSERT_TRUE(registry.writeString("Software\\Corvanta\\LocalCfg", "S", "text"));
    ASSERT_TRUE(registry.writeBinary("SOFTWARE\\Other", "B", bytes("bin")));
    SqliteDatabase db(path);
    auto keys = db.prepare("SELECT key FROM registry_keys ORDER BY key");
    ASSERT_TRUE(keys.step());
    EXPECT_EQ(keys.text(0), "Software\\Corvanta\\LocalCfg");
    ASSERT_TRUE(keys.step());
    EXPECT_EQ(keys.text(0), "SOFTWARE\\Other");
    EXPECT_FALSE(keys.step());
    auto values = db.prepare("SELECT name, type, data FROM registry_values ORDER BY type");
    ASSERT_TRUE(values.step());
    EXPECT_EQ(values.text(0), "S");
    EXPECT_EQ(values.integer(1), 1);
    EXPECT_EQ(values.blob(2), bytes("text"));
    ASSERT_TRUE(values.step());
    EXPECT_EQ(values.integer(1), 3);
}

TEST_F(SqliteRegistryTest, ValuesOutliveTheInstance) {
    ASSERT_TRUE(registry.writeBinary(registry_keys::kSettings, "Corvanta", bytes("blob")));
    SqliteRegistry reopened(path, autostart);
    EXPECT_EQ(reopened.readBinary(registry_keys::kSettings, "Corvanta"), bytes("blob"));
}

TEST_F(SqliteRegistryTest, FilesArePrivateWhateverTheUmask) {
    const mode_t previous = umask(0);
    const bool written = registry.writeBinary(registry_keys::kSettings, "Corvanta", bytes("x"));
    umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(mode(folder + "/Corvanta"), 0700u);
    int files = 0;
    for (const auto& file : fs::directory_iterator(folder + "/Corvanta")) {
        SCOPED_TRACE(file.path().string());
        EXPECT_EQ(mode(file.path()), 0600u);
        ++files;
    }
    EXPECT_GE(files, 2); // the database and its write-ahead log
}

TEST_F(SqliteRegistryTest, AnUnusableFileFailsEachCallWithAReason) {
    SqliteRegistry broken("/dev/null/registry.sqlite3", autostart);
    EXPECT_FALSE(broken.openKey(registry_keys::kSettings));
    EXPECT_FALSE(broken.writeBinary(registry_keys::kSettings, "V", bytes("x")));
    EXPECT_FALSE(broken.readBinary(registry_keys::kSettings, "V"));
    EXPECT_NE(broken.lastError(), "");
}

TEST_F(SqliteRegistryTest, RunValuesAreAutostartEntries) {
    const std::string exe = "/opt/my apps/corvanta";
    ASSERT_TRUE(registry.writeString("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                     "Corvanta", exe));
    EXPECT_EQ(readFile(runFile("Corvanta")), autostartDesktopEntry("Corvanta", exe));
    EXPECT_EQ(registry.readString(registry_keys::kRun, "corvanta"), exe);

    // A differently spelled name is the same value, and keeps its first spelling.
    ASSERT_TRUE(registry.writeString(registry_keys::kRun, "CORVANTA", "/usr/bin/corvanta"));
    EXPECT_EQ(readFile(runFile("Corvanta")),
              autostartDesktopEntry("Corvanta", "/usr/bin/corvanta"));
    EXPECT_FALSE(fs::exists(runFile("CORVANTA")));

    ASSERT_TRUE(registry.deleteValue(registry_keys::kRun, "corvanta"));
    EXPECT_FALSE(fs::exists(runFile("Corvanta")));
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "Corvanta"));
}

TEST_F(SqliteRegistryTest, OnlyRunStringsBecomeEntries) {
    ASSERT_TRUE(registry.writeString(registry_keys::kSettings, "Corvanta", "/usr/bin/x"));
    ASSERT_TRUE(registry.writeBinary(registry_keys::kRun, "Blob", bytes("/usr/bin/x")));
    EXPECT_FALSE(fs::exists(runFile("Corvanta")));
    EXPECT_FALSE(fs::exists(runFile("Blob")));
    // A string replaced by binary data no longer starts anything.
    ASSERT_TRUE(registry.writeString(registry_keys::kRun, "Tool", "/usr/bin/tool"));
    ASSERT_TRUE(registry.writeBinary(registry_keys::kRun, "Tool", bytes("x")));
    EXPECT_FALSE(fs::exists(runFile("Tool")));
}

TEST_F(SqliteRegistryTest, RunWriteThatCannotMakeItsEntryStoresNothing) {
    EXPECT_FALSE(registry.writeString(registry_keys::kRun, "../escape", "/usr/bin/x"));
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "../escape"));
    EXPECT_FALSE(fs::exists(folder + "/escape.desktop"));

    SqliteRegistry blocked(path, "/dev/null/autostart");
    EXPECT_FALSE(blocked.writeString(registry_keys::kRun, "Corvanta", "/usr/bin/x"));
    EXPECT_NE(blocked.lastError(), "");
    EXPECT_FALSE(blocked.readString(registry_keys::kRun, "Corvanta"));
}

// A writer killed at any moment leaves the old or the new value and a sound file. Every round
// is checked, since the next writer would repair what a kill broke.
TEST_F(SqliteRegistryTest, KilledWriterLeavesOldOrNewValue) {
    const auto a = bytes(std::string(2048, 'A'));
    const auto b = bytes(std::string(2048, 'B'));
    const std::string exeA = "/opt/a/" + std::string(300, 'a');
    const std::string exeB = "/opt/b b/" + std::string(300, 'b');
    const auto expectOldOrNew = [&] {
        // Opened and closed here: no connection may be open across the next fork.
        SqliteRegistry reader(path, autostart);
        const auto value = reader.readBinary(registry_keys::kSettings, "Corvanta");
        ASSERT_TRUE(value) << reader.lastError();
        EXPECT_TRUE(*value == a || *value == b);
        const auto exe = reader.readString(registry_keys::kRun, "Corvanta");
        ASSERT_TRUE(exe) << reader.lastError();
        EXPECT_TRUE(*exe == exeA || *exe == exeB);
        const std::string entry = readFile(runFile("Corvanta"));
        EXPECT_TRUE(entry == autostartDesktopEntry("Corvanta", exeA) ||
                    entry == autostartDesktopEntry("Corvanta", exeB));
        SqliteDatabase db(path);
        auto check = db.prepare("PRAGMA integrity_check");
        ASSERT_TRUE(check.step());
        EXPECT_EQ(check.text(0), "ok");
    };
    std::mt19937 random(20240601);
    for (int round = 0; round < 25 && !HasFailure(); ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            SqliteRegistry writer(path, autostart);
            for (long i = 0;; ++i) {
                writer.writeBinary(registry_keys::kSettings, "Corvanta", i % 2 ? a : b);
                writer.writeString(registry_keys::kRun, "Corvanta", i % 2 ? exeA : exeB);
                if (i == 2 && write(ready[1], "x", 1) != 1)
                    _exit(1);
            }
        }
        close(ready[1]);
        char c = 0;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 15000));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        SCOPED_TRACE(round);
        expectOldOrNew();
    }
}
