#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace vantor {

// Base of every dialog of the program. initDialog() holds the steps a dialog
// runs each time it is opened, after its caller set it up and before it takes
// input; the Ui service calls it, so a test runs the same steps as the program.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void initDialog() {}
};

// What a file dialog is asked for. `filter` is written in the program's own
// form: description and pattern pairs, each item ended by "|", the whole ended
// by one more "|" ("user&group file|*.user|All files|*.*||"). `defaultExtension`
// is a pattern such as "*.user": a typed name without an extension gets it.
struct FileRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString filter;
    QString defaultExtension;
};

// Everything a dialog asks of the desktop goes through this one service: message
// boxes, file dialogs, the folder browser, modal runs of other dialogs and the
// end of the process. The program installs the Qt implementation; tests install
// a scripted one, so that no test ever waits on a real window.
class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with an OK button only.
    virtual void showMessage(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A modal question with Yes and No buttons, No the default; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A modal question offering `choices` and Cancel: the index of the choice
    // taken, or nothing when the user cancels (Cancel, Escape, the close box).
    virtual std::optional<int> ask(QWidget* owner, const QString& caption, const QString& text,
                                   const QStringList& choices) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* owner, const FileRequest& request) = 0;
    virtual std::optional<QString> browseForFolder(QWidget* owner, const QString& title) = 0;
    // Runs initDialog(), then the dialog until it closes; returns its result code.
    virtual int runModal(ModalDialog& dialog) = 0;
    // Ends the process with the code. Only a scripted Ui returns from it; callers
    // then close their dialog, so the chain of open dialogs unwinds.
    virtual void exitProcess(int code) = 0;
};

Ui& ui();
// Installs the service the dialogs use; returns the one installed before.
Ui* installUi(Ui* service);

} // namespace vantor
