#include "gui/users/UpDownBox.h"

#include <QLineEdit>

#include <algorithm>

namespace vantor {

UpDownBox::UpDownBox(QWidget* parent) : QAbstractSpinBox(parent) {}

void UpDownBox::setRange(std::uint32_t min, std::uint32_t max) {
    min_ = min;
    max_ = max;
}

void UpDownBox::stepBy(int steps) {
    bool ok = false;
    const qulonglong typed = text().trimmed().toULongLong(&ok);
    // A text that is no number steps from the bottom of the range.
    const std::int64_t from = ok ? static_cast<std::int64_t>(std::min<qulonglong>(typed, max_))
                                 : static_cast<std::int64_t>(min_);
    const std::int64_t to = std::clamp<std::int64_t>(from + steps, min_, max_);
    lineEdit()->setText(QString::number(to));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled UpDownBox::stepEnabled() const {
    if (!isEnabled() || isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

} // namespace vantor
