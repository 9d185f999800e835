#include "TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace corvanta::test {
namespace {

std::string createHome() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvanta-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary home");
    for (const char* sub : {"config", "state", "data", "cache", "runtime"})
        std::filesystem::create_directories(pattern + "/" + sub);
    std::filesystem::permissions(pattern + "/runtime", std::filesystem::perms::owner_all);
    setenv("HOME", pattern.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
    setenv("XDG_STATE_HOME", (pattern + "/state").c_str(), 1);
    setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (pattern + "/cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (pattern + "/runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return pattern;
}

} // namespace

const std::string& testHome() {
    static const std::string home = createHome();
    return home;
}

std::string makeTempFolder(const std::string& name) {
    static int counter = 0;
    const std::string folder = testHome() + "/" + name + "-" + std::to_string(++counter);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string binaryFolder() { return CORVANTA_BINARY_DIR; }

} // namespace corvanta::test
