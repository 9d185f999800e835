#pragma once
// Sounds through QSoundEffect. Playback is asynchronous; a missing or broken file or no audio
// device plays nothing.
#include "platform/Sound.h"

#include <QSoundEffect>
#include <QString>

namespace corvanta {

class QtSound final : public ISound {
public:
    explicit QtSound(QString folder); // where bare file names are looked up

    void play(const std::string& bareFileName) override;
    // The file last handed to the player (empty before the first found file).
    QUrl source() const { return effect_.source(); }

private:
    QString folder_;
    QSoundEffect effect_; // must outlive the playback
};

} // namespace corvanta
