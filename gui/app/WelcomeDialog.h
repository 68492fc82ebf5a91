#pragma once

#include "core/server/WizardState.h"
#include "gui/platform/Ui.h"

#include <memory>

namespace Ui {
class WelcomeDialog;
}

namespace vantor {

// The start dialog: the hub from which the wizard and the two editors are run.
// "Exit", Enter, Escape and the close box close it, which ends the program.
class WelcomeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(WizardState& state, QWidget* parent = nullptr);
    ~WelcomeDialog() override;

private:
    void designServer();
    void editUsersAndGroups();
    void editVirtualFileSystem();

    WizardState& state_;
    std::unique_ptr<::Ui::WelcomeDialog> form_;
};

} // namespace vantor
