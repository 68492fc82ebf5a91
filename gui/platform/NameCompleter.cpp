#include "gui/platform/NameCompleter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>

namespace vantor {

namespace {

// A press outside the popup only closes it, on every platform alike (the
// popup replays no press): one on a button of the box's own window then
// presses that button too, so that a click on "add user" is never lost to
// the suggestions shown. The press is watched for the whole program, where
// it arrives before the completer's own filter, which would take it.
class ButtonsPassThrough : public QObject {
public:
    ButtonsPassThrough(QWidget* popup, QComboBox* box) : QObject(popup), popup_(popup), box_(box) {
        popup->setAttribute(Qt::WA_NoMouseReplay);
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != popup_ || event->type() != QEvent::MouseButtonPress)
            return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton ||
            popup_->rect().contains(press->position().toPoint()))
            return false;
        QWidget* window = box_->window();
        auto* button = qobject_cast<QAbstractButton*>(
            window->childAt(window->mapFromGlobal(press->globalPosition().toPoint())));
        if (button == nullptr || !button->isEnabled())
            return false;
        popup_->hide();
        // As a click on it would, the button takes the focus first.
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocus(Qt::MouseFocusReason);
        button->click();
        return true;
    }

private:
    QWidget* popup_;
    QComboBox* box_;
};

} // namespace

void offerCompletions(QComboBox* box, TypedText typed) {
    Q_ASSERT(box->isEditable() && box->insertPolicy() == QComboBox::NoInsert);
    auto* completer = new QCompleter(box->model(), box);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    // The boxes keep their items sorted ignoring case, so the matches are
    // found by halving instead of by a pass over every item at every key.
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    // Names are one line each: the popup need not lay out every suggestion
    // to size it, which on 100,000 would take most of a second per key.
    auto* popup = new QListView;
    popup->setUniformItemSizes(true);
    completer->setPopup(popup);
    box->setCompleter(completer);
    new ButtonsPassThrough(popup, box);

    QLineEdit* edit = box->lineEdit();
    // The box would select the item equal to the text whenever editing ends,
    // at Enter and when the focus leaves: an item the user never chose.
    QObject::disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
    if (typed == TypedText::Dropped) {
        QObject::connect(edit, &QLineEdit::editingFinished, box, [box] {
            box->setEditText(box->currentIndex() >= 0 ? box->itemText(box->currentIndex())
                                                      : QString());
        });
    }
}

} // namespace vantor
