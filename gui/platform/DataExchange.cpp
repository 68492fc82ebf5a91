#include "gui/platform/DataExchange.h"

#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"

#include <QLineEdit>

#include <optional>

namespace vantor {

namespace {

// Blanks around the number are allowed, as in any number box; anything else
// that is not a digit (after an optional sign) makes the text no number.
std::optional<std::int64_t> parseWhole(const QString& text, bool allowSign) {
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (allowSign && i < trimmed.size() &&
        (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+'))) {
        negative = trimmed[i] == QLatin1Char('-');
        ++i;
    }
    if (i == trimmed.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

bool refuseText(QLineEdit* box, const QString& message) {
    showError(box->window(), message);
    box->setFocus();
    box->selectAll();
    return false;
}

bool takeText(QLineEdit* box, int maxChars, std::string& value) {
    if (box->text().size() > maxChars)
        return refuseText(box, loadString(Str::EnterAtMostChars).arg(maxChars));
    value = toBytes(box->text());
    return true;
}

bool takeUnsigned(QLineEdit* box, std::uint32_t& value) {
    const auto number = parseWhole(box->text(), false);
    if (!number)
        return refuseText(box, loadString(Str::EnterUnsigned));
    value = static_cast<std::uint32_t>(*number);
    return true;
}

bool takeUnsignedInRange(QLineEdit* box, std::uint32_t min, std::uint32_t max,
                         std::uint32_t& value) {
    const auto number = parseWhole(box->text(), false);
    if (!number)
        return refuseText(box, loadString(Str::EnterUnsigned));
    if (*number < min || *number > max)
        return refuseText(
            box,
            loadString(Str::EnterNumberInRange).arg(QString::number(min), QString::number(max)));
    value = static_cast<std::uint32_t>(*number);
    return true;
}

bool takeIntInRange(QLineEdit* box, std::int32_t min, std::int32_t max, std::int32_t& value) {
    const auto number = parseWhole(box->text(), true);
    if (!number)
        return refuseText(box, loadString(Str::EnterInteger));
    if (*number < min || *number > max)
        return refuseText(
            box,
            loadString(Str::EnterNumberInRange).arg(QString::number(min), QString::number(max)));
    value = static_cast<std::int32_t>(*number);
    return true;
}

void pushText(QLineEdit* box, const std::string& value) {
    box->setText(toQt(value));
}

void pushNumber(QLineEdit* box, std::int64_t value) {
    box->setText(QString::number(value));
}

} // namespace vantor
