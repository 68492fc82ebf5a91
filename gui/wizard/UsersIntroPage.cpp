#include "gui/wizard/UsersIntroPage.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "gui/documents/Document.h"
#include "gui/documents/FileChoice.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/users/UserManagerDialog.h"
#include "gui/wizard/MoreOptionsPage.h"
#include "gui/wizard/VfsIntroPage.h"
#include "ui_UsersIntroPage.h"

namespace vantor {

UsersIntroPage::UsersIntroPage(WizardState& state, QWidget* parent)
    : WizardPage(state, parent), form_(std::make_unique<::Ui::UsersIntroPage>()) {
    form_->setupUi(this);
    connect(form_->browseButton, &QPushButton::clicked, this, &UsersIntroPage::browse);
    connect(form_->setupButton, &QPushButton::clicked, this, &UsersIntroPage::setupUsers);
    connect(form_->nextButton, &QPushButton::clicked, this, &UsersIntroPage::next);
    connect(form_->backButton, &QPushButton::clicked, this, &UsersIntroPage::back);
    connect(form_->cancelButton, &QPushButton::clicked, this, &UsersIntroPage::endProcess);
}

UsersIntroPage::~UsersIntroPage() = default;

// Every visit searches the current directory again.
void UsersIntroPage::initDialog() {
    std::string directory;
    if (currentDirectoryFor(this, directory))
        ChooseDefinitionFile(this, directory, kUserFileKind, state().users);
    pushText(form_->nowUsingEdit, state().users.path());
    loadUserFile();
}

void UsersIntroPage::reject() {
    back();
}

// The shown name becomes the user file, also when it is empty; a name too
// long for the record, once made absolute, is refused, not cut.
bool UsersIntroPage::takeNowUsing() {
    const std::string name = AbsolutePath(toBytes(form_->nowUsingEdit->text()));
    if (!checkPathUsable(this, name)) {
        form_->nowUsingEdit->setFocus();
        return false;
    }
    state().users.open(name);
    return true;
}

bool UsersIntroPage::loadUserFile() {
    return runFileAction(this, [this] { state().users.read(this); });
}

void UsersIntroPage::browse() {
    const auto chosen = AskForDefinitionFile(this, kUserFileKind);
    if (!chosen)
        return;
    state().users.open(*chosen);
    pushText(form_->nowUsingEdit, state().users.path());
    loadUserFile();
}

// The names found or put in here serve the dialog only: the shown name stays
// as it was, so an emptied one is still empty at Next.
void UsersIntroPage::setupUsers() {
    if (!takeNowUsing())
        return;
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    Document& users = state().users;
    Document& addresses = state().addresses;
    if (!users.named())
        ChooseDefinitionFile(this, directory, kUserFileKind, users);
    ChooseDefinitionFile(this, directory, kAllowFileKind, addresses);
    if (std::string name = JoinPath(directory, kDefaultUserFileName);
        !users.named() && checkPathUsable(this, name))
        users.open(name);
    if (std::string name = JoinPath(directory, kDefaultAllowFileName);
        !addresses.named() && checkPathUsable(this, name))
        addresses.open(name);
    UserManagerDialog dialog(state(), this);
    ui().runModal(dialog);
}

void UsersIntroPage::next() {
    if (takeNowUsing() && loadUserFile())
        handOverTo<VfsIntroPage>();
}

// A file that cannot be read is told, but does not hold the user on this
// page: nothing writes it while its reading failed.
void UsersIntroPage::back() {
    if (!takeNowUsing())
        return;
    loadUserFile();
    handOverTo<MoreOptionsPage>();
}

} // namespace vantor
