#include "gui/platform/AboutDialog.h"

#include "texts/Strings.h"
#include "ui_AboutDialog.h"

#include <QAction>
#include <QCoreApplication>

namespace vantor {

AboutDialog::AboutDialog(QWidget* parent)
    : ModalDialog(parent), form_(std::make_unique<::Ui::AboutDialog>()) {
    form_->setupUi(this);
    // The form's context, not this class's, so the line is translated with the
    // rest of the box's texts.
    form_->runtimeLabel->setText(
        QCoreApplication::translate("AboutDialog", "version %1 , running on Qt %2")
            .arg(QStringLiteral(VANTOR_VERSION), QString::fromLatin1(qVersion())));
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
