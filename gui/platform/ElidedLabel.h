#pragma once

#include <QLabel>

namespace vantor {

// A one-line label for a text that may be longer than the room it gets, such
// as a full path: it shows as much as fits, cutting in the middle so that both
// ends stay readable, and never widens its dialog to fit the text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
};

} // namespace vantor
