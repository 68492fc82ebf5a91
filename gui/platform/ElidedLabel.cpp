#include "gui/platform/ElidedLabel.h"

#include <QResizeEvent>

namespace vantor {

namespace {

// Room for a short path; a longer one is cut rather than widening the dialog.
constexpr int kHintCharacters = 24;

} // namespace

void ElidedLabel::setFullText(const QString& text) {
    fullText_ = text;
    // A screen reader reads the whole text, not what fits.
    setAccessibleName(text);
    elide();
}

// Neither hint depends on the text, so showing a new text never starts a new
// layout pass.
QSize ElidedLabel::sizeHint() const {
    const int margins = contentsMargins().left() + contentsMargins().right();
    return {fontMetrics().averageCharWidth() * kHintCharacters + margins,
            QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    setText(fontMetrics().elidedText(fullText_, Qt::ElideMiddle, contentsRect().width()));
}

} // namespace vantor
