#pragma once
// What each connection state code means to the log: its text, its tray picture and whether it
// is written when only the brief log is kept.
#include <string>

namespace corvanta {

inline constexpr int kNoConnectionCode = -2;
inline constexpr int kProhibitedCallCode = -1;
inline constexpr int kConnectedCode = 8192;

// Tray pictures.
inline constexpr int kPictureIdle = 0;
inline constexpr int kPictureDialing = 1;
inline constexpr int kPictureConnected = 2;
inline constexpr int kPictureProhibited = 3;

struct ConnectionState {
    std::string text;
    int picture = kPictureIdle;
    bool brief = false;
};

// Codes outside the known table read "Unknown #<code>", picture idle, not brief.
ConnectionState connectionState(int code);

} // namespace corvanta
