#pragma once

#include "gui/documents/WizardState.h"
#include "gui/platform/Ui.h"

#include <memory>

namespace Ui {
class WelcomeDialog;
}

namespace vantor {

// The start dialog: the hub from which the wizard and the two editors are run.
// "Exit", Enter, Escape and the close box close it, which ends the program.
// It shows the working folder, where every action looks for and proposes its
// files, and "..." changes it: a program started from the desktop menu starts
// in the home folder, which is marked as long as it holds no definition file.
class WelcomeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(WizardState& state, QWidget* parent = nullptr);
    ~WelcomeDialog() override;

private:
    void chooseWorkingFolder();
    void showWorkingFolder();
    void designServer();
    void editUsersAndGroups();
    void editVirtualFileSystem();

    WizardState& state_;
    std::unique_ptr<::Ui::WelcomeDialog> form_;
};

} // namespace vantor
