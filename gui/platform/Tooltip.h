#pragma once

#include <QString>

class QWidget;

namespace vantor {

// Gives one control a fixed tooltip, shown while the pointer rests on it even
// when its dialog is not the active window. The text is shown as it stands: an
// ampersand stays an ampersand. A missing control is ignored.
void AttachTooltip(QWidget* control, const QString& text);

} // namespace vantor
