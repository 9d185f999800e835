#pragma once
#include <string>

namespace corvanta {

// Plays a sound file given by bare name from the program's folder, in the background.
// A missing file or no audio device plays nothing.
class ISound {
public:
    virtual ~ISound() = default;
    virtual void play(const std::string& bareFileName) = 0;
};

} // namespace corvanta
