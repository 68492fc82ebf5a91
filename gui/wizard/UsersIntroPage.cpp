#include "gui/wizard/UsersIntroPage.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "gui/documents/FileChoice.h"
#include "gui/documents/FileReadings.h"
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
        ChooseDefinitionFile(this, directory, kUserFileKind, design());
    pushText(form_->nowUsingEdit, design().userFile);
    loadUserFile();
}

void UsersIntroPage::reject() {
    back();
}

// The shown name becomes the user file, also when it is empty; a name too
// long for the record is refused, not cut.
bool UsersIntroPage::takeNowUsing() {
    const std::string name = toBytes(form_->nowUsingEdit->text());
    if (!checkPathUsable(this, name)) {
        form_->nowUsingEdit->setFocus();
        return false;
    }
    design().userFile = name;
    return true;
}

bool UsersIntroPage::loadUserFile() {
    return runFileAction(this, [this] { loadUserLines(this, state()); });
}

void UsersIntroPage::browse() {
    const auto chosen = AskForDefinitionFile(this, kUserFileKind);
    if (!chosen)
        return;
    design().userFile = *chosen;
    pushText(form_->nowUsingEdit, *chosen);
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
    ServerDesign& record = design();
    if (record.userFile.empty())
        ChooseDefinitionFile(this, directory, kUserFileKind, record);
    ChooseDefinitionFile(this, directory, kAllowFileKind, record);
    if (std::string name = JoinPath(directory, kDefaultUserFileName);
        record.userFile.empty() && checkPathUsable(this, name))
        record.userFile = std::move(name);
    if (std::string name = JoinPath(directory, kDefaultAllowFileName);
        record.allowFile.empty() && checkPathUsable(this, name))
        record.allowFile = std::move(name);
    UserManagerDialog dialog(state(), this);
    ui().runModal(dialog);
}

void UsersIntroPage::next() {
    if (takeNowUsing() && loadUserFile())
        handOverTo<VfsIntroPage>();
}

void UsersIntroPage::back() {
    if (takeNowUsing() && loadUserFile())
        handOverTo<MoreOptionsPage>();
}

} // namespace vantor
