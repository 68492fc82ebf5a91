#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

// The core holds the bytes of the files; the dialogs hold Qt text. Files are
// UTF-8 on this platform, so the two convert through it.
inline QString toQt(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace vantor
