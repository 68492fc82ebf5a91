#include "gui/app/WelcomeDialog.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "gui/app/FileChoice.h"
#include "gui/platform/Messages.h"
#include "gui/users/UserManagerDialog.h"
#include "gui/vfs/VfsEditorDialog.h"
#include "gui/wizard/ServerDesignWizard.h"
#include "ui_WelcomeDialog.h"

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
        design.userFile = JoinPath(directory, kDefaultUserFileName);
    if (design.allowFile.empty())
        design.allowFile = JoinPath(directory, kDefaultAllowFileName);
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
        design.userFile = JoinPath(directory, kDefaultUserFileName);
    VfsEditorDialog editor(state_, this);
    editor.enterFileMode();
    ui().runModal(editor);
}

} // namespace vantor
