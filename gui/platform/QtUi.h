#pragma once

#include "gui/platform/Ui.h"

#include <QStringList>

class QFileDialog;

namespace vantor {

// The Ui service on the desktop: Qt message boxes, file dialogs and modal runs.
class QtUi : public Ui {
public:
    void showMessage(QWidget* owner, const QString& caption, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    std::optional<int> ask(QWidget* owner, const QString& caption, const QString& text,
                           const QStringList& choices) override;
    std::optional<QString> chooseFile(QWidget* owner, const FileRequest& request) override;
    std::optional<QString> browseForFolder(QWidget* owner, const QString& title) override;
    int runModal(ModalDialog& dialog) override;
    [[noreturn]] void exitProcess(int code) override;
};

// Qt's file dialog keeps its last folder and history in the user's settings;
// the program keeps nothing between runs, so they go to a folder of its own
// that is removed when it ends. Called before every file dialog.
void keepNoDialogSettings();
// A file dialog as a request asks for it, opened in the working folder.
void prepareFileDialog(QFileDialog& dialog, const FileRequest& request);

// "a|*.x|b|*.*||" as Qt name filters: "a (*.x)", "b (*.*)".
QStringList nameFilters(const QString& filter);
// "*.user" as a default suffix: "user"; empty when the text names none.
QString defaultSuffix(const QString& defaultExtension);

} // namespace vantor
