#pragma once
// Texts of the program are 8-bit strings; Latin-1 maps each byte to one character and back,
// so a byte string survives a trip through a Qt control unchanged.
#include <QString>
#include <string>

namespace corvanta {

inline QString toQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace corvanta
