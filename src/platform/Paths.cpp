#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace corvanta::paths {
namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return (value && *value) ? std::string(value) : fallback;
}

std::string home() {
    return envOr("HOME", "/tmp");
}

} // namespace

std::string executablePath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string programFolder() {
    const std::filesystem::path exe = executablePath();
    return exe.parent_path().string() + '/';
}

std::string configFolder() {
    return envOr("XDG_CONFIG_HOME", home() + "/.config") + "/Corvanta";
}

std::string stateFolder() {
    return envOr("XDG_STATE_HOME", home() + "/.local/state") + "/Corvanta";
}

std::string runtimeFolder() {
    return envOr("XDG_RUNTIME_DIR", std::filesystem::temp_directory_path().string());
}

std::string autostartFolder() {
    return envOr("XDG_CONFIG_HOME", home() + "/.config") + "/autostart";
}

bool ensureFolder(const std::string& folder) {
    std::error_code error;
    const bool created = std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    if (created)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, error);
    return std::filesystem::is_directory(folder);
}

} // namespace corvanta::paths
