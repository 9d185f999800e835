#include "trace/LineFile.h"

#include <QSaveFile>

namespace corvanta {

bool writeLinesCrLf(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString());
    return false;
}

} // namespace corvanta
