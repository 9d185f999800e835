#pragma once
// How registry key and value names compare: a leading backslash on a key is dropped, and
// letters compare without regard to ASCII case (as SQLite's NOCASE does).
#include <algorithm>
#include <cctype>
#include <string>

namespace corvanta::registry_names {

inline std::string normalKey(const std::string& key) {
    return (!key.empty() && key.front() == '\\') ? key.substr(1) : key;
}

inline std::string folded(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return name;
}

inline bool sameName(const std::string& a, const std::string& b) {
    return folded(a) == folded(b);
}

} // namespace corvanta::registry_names
