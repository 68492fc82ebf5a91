#pragma once

#include "gui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class MoreOptionsPage;
}

namespace vantor {

// The wizard's second page: client address checks, the passive data port
// range, the idle time-out and passive address rolling. Next and Back store
// the page and go on or back; Escape and the close box are Back; Cancel ends
// the process.
class MoreOptionsPage : public WizardPage {
    Q_OBJECT
public:
    explicit MoreOptionsPage(WizardState& state, QWidget* parent = nullptr);
    ~MoreOptionsPage() override;

    void initDialog() override;
    void reject() override;

private:
    void showRecord();
    bool storeControls();

    void next();
    void back();

    std::unique_ptr<::Ui::MoreOptionsPage> form_;
};

} // namespace vantor
