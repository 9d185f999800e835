#pragma once
// The program's saved lists: every line as 8-bit text followed by CR LF, the last one too.
#include <QString>
#include <QStringList>

namespace corvanta {

// Replaces the file as a whole; on failure the old file stays and error explains why.
bool writeLinesCrLf(const QString& path, const QStringList& lines, QString* error);

} // namespace corvanta
