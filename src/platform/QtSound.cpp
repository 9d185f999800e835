#include "platform/QtSound.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvanta {
namespace {

// Qt 6.4 hangs for good in the next setSource() or in the destructor once a file failed to
// decode, so only files that are recognisably WAV go to the player.
bool isWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("WAVE");
}

} // namespace

QtSound::QtSound(QString folder) : folder_(std::move(folder)) {}

void QtSound::play(const std::string& bareFileName) {
    const QFileInfo file(QDir(folder_), toQt(bareFileName));
    if (!file.isFile() || !isWave(file.absoluteFilePath()))
        return;
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    effect_.stop();
    if (effect_.source() != url)
        effect_.setSource(url);
    effect_.play();
}

} // namespace corvanta
