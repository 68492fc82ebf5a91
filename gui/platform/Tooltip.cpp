#include "gui/platform/Tooltip.h"

#include <QTextDocument>
#include <QWidget>

namespace vantor {

void AttachTooltip(QWidget* control, const QString& text) {
    if (control == nullptr)
        return;
    // Text that looks like markup would be rendered as rich text; escaping it
    // keeps every character, "&" and "<" included, as typed.
    control->setToolTip(
        Qt::mightBeRichText(text) ? QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()) : text);
    // Qt asks the top-level window, not the control, whether tips show while
    // that window is inactive.
    control->window()->setAttribute(Qt::WA_AlwaysShowToolTips);
}

} // namespace vantor
