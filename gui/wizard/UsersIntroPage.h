#pragma once

#include "gui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class UsersIntroPage;
}

namespace vantor {

// The wizard's third page: which user file the design uses. It reads that
// file into the user line list for the finish page, and opens the user
// management dialog on request. Next and Back take the shown name and go on
// or back; Escape and the close box are Back; Cancel ends the process.
class UsersIntroPage : public WizardPage {
    Q_OBJECT
public:
    explicit UsersIntroPage(WizardState& state, QWidget* parent = nullptr);
    ~UsersIntroPage() override;

    void initDialog() override;
    void reject() override;

private:
    bool takeNowUsing();
    bool loadUserFile();

    void browse();
    void setupUsers();
    void next();
    void back();

    std::unique_ptr<::Ui::UsersIntroPage> form_;
};

} // namespace vantor
