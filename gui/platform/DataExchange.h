#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QLineEdit;

namespace vantor {

// Taking a text box's value into a field. Each function returns false after
// showing the standard validation message and putting the focus on the box;
// the caller then ends its action with nothing stored.
bool takeText(QLineEdit* box, int maxChars, std::string& value);
bool takeUnsigned(QLineEdit* box, std::uint32_t& value);
bool takeUnsignedInRange(QLineEdit* box, std::uint32_t min, std::uint32_t max,
                         std::uint32_t& value);
bool takeIntInRange(QLineEdit* box, std::int32_t min, std::int32_t max, std::int32_t& value);

// A rule of the caller's own that the box's text breaks: the message as an
// ERROR, the focus on the box; always false, for `return refuseText(...)`.
bool refuseText(QLineEdit* box, const QString& message);

// Showing a field in a text box.
void pushText(QLineEdit* box, const std::string& value);
void pushNumber(QLineEdit* box, std::int64_t value);

} // namespace vantor
