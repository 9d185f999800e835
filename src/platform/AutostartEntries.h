#pragma once
// Programs started at log-in, kept as XDG autostart entries (<folder>/<name>.desktop).
#include <string>

namespace corvanta {

// The text of a desktop entry that runs `path` at log-in, quoted and escaped so that any path
// comes back as exactly one argument.
std::string autostartDesktopEntry(const std::string& name, const std::string& path);

class AutostartEntries {
public:
    explicit AutostartEntries(std::string folder);

    // A name must make one file inside the folder: not empty, no '/' and no NUL.
    static bool validName(const std::string& name);
    std::string filePath(const std::string& name) const;

    // Replaces the entry as a whole (temporary file + rename); false with `error` set on failure.
    bool write(const std::string& name, const std::string& path, std::string& error) const;
    // A missing entry is no error.
    bool remove(const std::string& name, std::string& error) const;

private:
    std::string folder_;
};

} // namespace corvanta
