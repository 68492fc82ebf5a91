#include "gui/platform/QtUi.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace vantor {

QStringList nameFilters(const QString& filter) {
    const QStringList items = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        if (items[i].isEmpty() && items[i + 1].isEmpty())
            break;
        QStringList patterns = items[i + 1].split(QLatin1Char(';'));
        // "*.*" means every file, also one whose name has no dot.
        patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                                  QStringLiteral("*"));
        filters << QStringLiteral("%1 (%2)").arg(items[i], patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

QString defaultSuffix(const QString& defaultExtension) {
    const qsizetype dot = defaultExtension.lastIndexOf(QLatin1Char('.'));
    QString suffix = dot < 0 ? defaultExtension : defaultExtension.mid(dot + 1);
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString()
                                                                                  : suffix;
}

void QtUi::showMessage(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtUi::askYesNo(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> QtUi::ask(QWidget* owner, const QString& caption, const QString& text,
                             const QStringList& choices) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    const qsizetype chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    if (chosen < 0)
        return std::nullopt;
    return static_cast<int>(chosen);
}

void keepNoDialogSettings() {
    static const QTemporaryDir discarded;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, discarded.path());
}

void prepareFileDialog(QFileDialog& dialog, const FileRequest& request) {
    dialog.setDirectory(QDir::currentPath());
    const bool save = request.kind == FileRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A name that does not exist yet is a valid answer in both kinds: it is how
    // a new definition file is named.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(defaultSuffix(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !save);
}

std::optional<QString> QtUi::chooseFile(QWidget* owner, const FileRequest& request) {
    keepNoDialogSettings();
    QFileDialog dialog(owner);
    prepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUi::browseForFolder(QWidget* owner, const QString& title) {
    keepNoDialogSettings();
    const QString folder = QFileDialog::getExistingDirectory(owner, title, QDir::currentPath(),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

int QtUi::runModal(ModalDialog& dialog) {
    dialog.initDialog();
    return dialog.exec();
}

void QtUi::exitProcess(int code) {
    std::fflush(nullptr);
    std::exit(code);
}

} // namespace vantor
