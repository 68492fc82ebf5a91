#include "gui/platform/NameCompleter.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>

namespace vantor {

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
