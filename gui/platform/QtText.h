#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

// The core holds the bytes of the files; the dialogs hold Qt text. Files are
// UTF-8 on this platform, but a definition file may come from a system that
// wrote its names in a single-byte code page. Every byte that is not part of a
// well-formed UTF-8 sequence is therefore carried as a lone surrogate
// (U+DC80 to U+DCFF) and written back as the same byte, so that a line a
// dialog only shows and copies reaches the file again unchanged.
QString toQt(std::string_view bytes);
std::string toBytes(const QString& text);

} // namespace vantor
