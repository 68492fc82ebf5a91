#include "app/WelcomeDialog.h"

#include "app/FileChoice.h"
#include "app/FileSystem.h"
#include "platform/Messages.h"
#include "ui_WelcomeDialog.h"
#include "users/UserManagerDialog.h"
#include "vfs/VfsEditorDialog.h"
#include "wizard/ServerDesignWizard.h"

namespace vantor {

WelcomeDialog::WelcomeDialog(WizardState& state, QWidget* parent)
    : ModalDialog(parent), state_(state), form_(std::make_unique<::Ui::WelcomeDialog>()) {
    form_->setupUi(this);
    connect(form_->designButton, &QPushButton::clicked, this, &WelcomeDialog::designServer);
    connect(form_->editUsersButton, &QPushButton::clicked, this,
            &WelcomeDialog::editUsersAndGroups);
    connect(form_->editVfsButton, &QPushButton::clicked, this,
            &WelcomeDialog::editVirtualFileSystem);
    connect(form_->exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

WelcomeDialog::~WelcomeDialog() = default;

void WelcomeDialog::designServer() {
    runServerDesignWizard(state_);
}

void WelcomeDialog::editUsersAndGroups() {
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    ServerDesign& design = state_.design;
    if (!ChooseDefinitionFile(this, directory, kUserFileKind, design))
        return;
    if (!ChooseDefinitionFile(this, directory, kAllowFileKind, design))
        return;
    if (design.userFile.empty())
        design.userFile = JoinPath(directory, "default.user");
    if (design.allowFile.empty())
        design.allowFile = JoinPath(directory, "default.allow");
    UserManagerDialog dialog(state_, this);
    ui().runModal(dialog);
}

void WelcomeDialog::editVirtualFileSystem() {
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    ServerDesign& design = state_.design;
    if (!ChooseDefinitionFile(this, directory, kVfsFileKind, design))
        return;
    if (!ChooseDefinitionFile(this, directory, kUserFileKind, design))
        return;
    if (design.userFile.empty())
        design.userFile = JoinPath(directory, "default.user");
    VfsEditorDialog editor(state_, this);
    editor.enterFileMode();
    ui().runModal(editor);
}

} // namespace vantor
