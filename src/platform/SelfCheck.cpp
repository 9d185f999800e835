#include "platform/SelfCheck.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>

namespace corvanta {
namespace {

constexpr char kMarker[] = "\nCORVANTA-SEAL:";
constexpr qint64 kMarkerLength = sizeof(kMarker) - 1;
constexpr qint64 kDigestLength = 64;
constexpr qint64 kTrailerLength = kMarkerLength + kDigestLength + 1;

SelfCheckResult failure(SelfCheckStatus status, const std::string& path) {
    const char* what = status == SelfCheckStatus::Unreadable  ? "cannot be read"
                       : status == SelfCheckStatus::NotSealed ? "carries no integrity seal"
                                                              : "has been altered";
    return {status, std::string("The program file ") + what + " (" + path +
                        "). Corvanta will not start; reinstall it."};
}

// The recorded digest, or an empty array when the file carries no well-formed trailer.
QByteArray recordedDigest(const QByteArray& trailer) {
    if (trailer.size() != kTrailerLength || !trailer.startsWith(kMarker) || !trailer.endsWith('\n'))
        return {};
    const QByteArray digest = trailer.mid(kMarkerLength, kDigestLength);
    for (char c : digest)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return {};
    return digest;
}

} // namespace

SelfCheckResult verifyExecutable(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return failure(SelfCheckStatus::Unreadable, path);
    const qint64 bodyLength = file.size() - kTrailerLength;
    if (bodyLength < 0 || !file.seek(bodyLength))
        return failure(SelfCheckStatus::NotSealed, path);
    const QByteArray digest = recordedDigest(file.read(kTrailerLength));
    if (digest.isEmpty())
        return failure(SelfCheckStatus::NotSealed, path);

    QCryptographicHash hash(QCryptographicHash::Sha256);
    file.seek(0);
    QByteArray chunk;
    for (qint64 left = bodyLength; left > 0; left -= chunk.size()) {
        chunk = file.read(std::min<qint64>(left, 1 << 20));
        if (chunk.isEmpty())
            return failure(SelfCheckStatus::Unreadable, path);
        hash.addData(chunk);
    }
    if (hash.result().toHex() != digest)
        return failure(SelfCheckStatus::Altered, path);
    return {SelfCheckStatus::Ok, {}};
}

} // namespace corvanta
