#include "gui/wizard/VfsIntroPage.h"

#include "core/vfs/VfsFile.h"
#include "gui/vfs/VfsEditorDialog.h"
#include "gui/wizard/FinishPage.h"
#include "gui/wizard/UsersIntroPage.h"
#include "ui_VfsIntroPage.h"

#include <QKeyEvent>

namespace vantor {

VfsIntroPage::VfsIntroPage(WizardState& state, QWidget* parent)
    : WizardPage(state, parent), form_(std::make_unique<::Ui::VfsIntroPage>()) {
    form_->setupUi(this);
    connect(form_->setupButton, &QPushButton::clicked, this, &VfsIntroPage::setUp);
    connect(form_->nextButton, &QPushButton::clicked, this, &VfsIntroPage::next);
    connect(form_->backButton, &QPushButton::clicked, this, &VfsIntroPage::back);
    connect(form_->cancelButton, &QPushButton::clicked, this, &VfsIntroPage::endProcess);
}

VfsIntroPage::~VfsIntroPage() = default;

void VfsIntroPage::reject() {
    next();
}

void VfsIntroPage::keyPressEvent(QKeyEvent* event) {
    // The page has no default button: Enter away from the buttons closes it
    // without handing over, which ends the wizard with nothing added.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        done(Accepted);
        return;
    }
    WizardPage::keyPressEvent(event);
}

void VfsIntroPage::setUp() {
    VfsEditorDialog editor(state(), this);
    ui().runModal(editor);
}

void VfsIntroPage::next() {
    // The design's file system needs a root; one the editor committed is kept.
    if (Document& mountPoints = state().mountPoints; mountPoints.lines().empty()) {
        TextLineList root;
        root.add(DefaultRootLine(design().rootDirectory, std::string(kDefaultOwnerName),
                                 std::string(kDefaultOwnerName), RootLineFormat::WizardPage));
        mountPoints.setLines(std::move(root));
    }
    handOverTo<FinishPage>();
}

void VfsIntroPage::back() {
    handOverTo<UsersIntroPage>();
}

} // namespace vantor
