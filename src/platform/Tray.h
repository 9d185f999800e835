#pragma once
#include <cstddef>
#include <functional>
#include <string>

namespace corvanta {

// The notification-area icon. A hint longer than kMaxHintLength is refused and the previous
// one stays.
class ITray {
public:
    static constexpr std::size_t kMaxHintLength = 63;
    static bool hintFits(const std::string& hint) { return hint.size() <= kMaxHintLength; }

    virtual ~ITray() = default;
    virtual void show() = 0;
    virtual void setPicture(int index) = 0;
    virtual int picture() const = 0;
    virtual bool setHint(const std::string& hint) = 0;
    virtual std::string hint() const = 0;
    // Minimize: only the tray icon remains. Restore: the main window comes back to the front,
    // then onRestore runs.
    virtual void minimize() = 0;
    virtual void restore() = 0;

    std::function<void()> onClick;     // left-button release
    std::function<void()> onRestore;   // after every restore
    std::function<void()> onMenuRestore;
    std::function<void()> onMenuAbout;
};

} // namespace corvanta
