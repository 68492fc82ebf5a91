#include "gui/app/WelcomeDialog.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "gui/documents/FileChoice.h"
#include "gui/platform/FolderBrowser.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/users/UserManagerDialog.h"
#include "gui/vfs/VfsEditorDialog.h"
#include "gui/wizard/ServerDesignWizard.h"
#include "ui_WelcomeDialog.h"

#include <QDir>
#include <QFileInfo>

namespace vantor {

WelcomeDialog::WelcomeDialog(WizardState& state, QWidget* parent)
    : ModalDialog(parent), state_(state), form_(std::make_unique<::Ui::WelcomeDialog>()) {
    form_->setupUi(this);
    form_->folderCaptionLabel->setText(loadString(Str::WorkingFolderCaption));
    form_->folderHintLabel->setText(loadString(Str::WorkingFolderHomeHint));
    form_->folderButton->setToolTip(loadString(Str::WorkingFolderButtonTip));
    showWorkingFolder();
    connect(form_->folderButton, &QPushButton::clicked, this, &WelcomeDialog::chooseWorkingFolder);
    connect(form_->designButton, &QPushButton::clicked, this, &WelcomeDialog::designServer);
    connect(form_->editUsersButton, &QPushButton::clicked, this,
            &WelcomeDialog::editUsersAndGroups);
    connect(form_->editVfsButton, &QPushButton::clicked, this,
            &WelcomeDialog::editVirtualFileSystem);
    connect(form_->exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

WelcomeDialog::~WelcomeDialog() = default;

// The documents belong to the folder left: its names, lists and readings
// are not carried into another one.
void WelcomeDialog::chooseWorkingFolder() {
    if (const auto folder = ChooseFolder(this, Str::WorkingFolderBrowseTitle)) {
        runFileAction(this, [&] {
            const bool another = !SameFile(*folder, CurrentDirectory());
            ChangeCurrentDirectory(*folder);
            if (another)
                state_.closeDocuments();
        });
    }
    showWorkingFolder();
}

namespace {

bool isHomeFolder(const QString& folder) {
    const QString home = QFileInfo(QDir::homePath()).canonicalFilePath();
    return !home.isEmpty() && QFileInfo(folder).canonicalFilePath() == home;
}

} // namespace

// Read again after every action, since an action may have written the first
// definition file into the folder.
void WelcomeDialog::showWorkingFolder() {
    std::string folder; // none shown when it cannot be determined
    try {
        folder = CurrentDirectory();
    } catch (const FileError&) {
    }
    const QString shown = QDir::toNativeSeparators(toQt(folder));
    form_->folderPathLabel->setFullText(shown);
    form_->folderPathLabel->setToolTip(shown);
    form_->folderHintLabel->setHidden(folder.empty() || !isHomeFolder(shown) ||
                                      HoldsDefinitionFiles(folder));
}

void WelcomeDialog::designServer() {
    runServerDesignWizard(state_);
    showWorkingFolder();
}

void WelcomeDialog::editUsersAndGroups() {
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    if (!ChooseDefinitionFile(this, directory, kUserFileKind, state_.users))
        return;
    if (!ChooseDefinitionFile(this, directory, kAllowFileKind, state_.addresses))
        return;
    if (!state_.users.named())
        state_.users.open(JoinPath(directory, kDefaultUserFileName));
    if (!state_.addresses.named())
        state_.addresses.open(JoinPath(directory, kDefaultAllowFileName));
    UserManagerDialog dialog(state_, this);
    ui().runModal(dialog);
    showWorkingFolder();
}

void WelcomeDialog::editVirtualFileSystem() {
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    if (!ChooseDefinitionFile(this, directory, kVfsFileKind, state_.mountPoints))
        return;
    if (!ChooseDefinitionFile(this, directory, kUserFileKind, state_.users))
        return;
    if (!state_.users.named())
        state_.users.open(JoinPath(directory, kDefaultUserFileName));
    VfsEditorDialog editor(state_, this);
    editor.enterFileMode();
    ui().runModal(editor);
    showWorkingFolder();
}

} // namespace vantor
