#include "gui/platform/NameCompleter.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace vantor {

void offerCompletions(QComboBox* box, TypedText typed) {
    Q_ASSERT(box->isEditable() && box->insertPolicy() == QComboBox::NoInsert);
    auto* completer = new QCompleter(box->model(), box);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
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
