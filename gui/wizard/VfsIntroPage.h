#pragma once

#include "gui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class VfsIntroPage;
}

namespace vantor {

// The wizard's fourth page: it explains the virtual file system, opens the
// editor on the design's mount points, and makes sure the design holds a root
// mount point before the finish page writes the *.vfs file. Escape and the
// close box are Next; Enter with the focus on no button ends the wizard here;
// Cancel ends the process.
class VfsIntroPage : public WizardPage {
    Q_OBJECT
public:
    explicit VfsIntroPage(WizardState& state, QWidget* parent = nullptr);
    ~VfsIntroPage() override;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUp();
    void next();
    void back();

    std::unique_ptr<::Ui::VfsIntroPage> form_;
};

} // namespace vantor
