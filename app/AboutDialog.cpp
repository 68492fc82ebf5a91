#include "app/AboutDialog.h"

#include "platform/Strings.h"
#include "ui_AboutDialog.h"

#include <QAction>

namespace vantor {

AboutDialog::AboutDialog(QWidget* parent)
    : ModalDialog(parent), form_(std::make_unique<::Ui::AboutDialog>()) {
    form_->setupUi(this);
}

AboutDialog::~AboutDialog() = default;

bool handleSystemCommand(QWidget* owner, unsigned command) {
    if ((command & ~0xFu) != kAboutCommand)
        return false;
    AboutDialog about(owner);
    ui().runModal(about);
    return true;
}

void addAboutEntry(QWidget* dialog) {
    const QString text = loadString(Str::AboutMenuEntry);
    if (text.isEmpty())
        return;
    auto* entry = new QAction(text, dialog);
    entry->setObjectName(QStringLiteral("aboutAction"));
    QObject::connect(entry, &QAction::triggered, dialog,
                     [dialog] { handleSystemCommand(dialog, kAboutCommand); });
    dialog->addAction(entry);
    dialog->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace vantor
