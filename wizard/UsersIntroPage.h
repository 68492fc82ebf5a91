#pragma once

#include "wizard/WizardPage.h"

namespace vantor {

class UsersIntroPage : public WizardPage {
    Q_OBJECT
public:
    explicit UsersIntroPage(WizardState& state, QWidget* parent = nullptr);
};

} // namespace vantor
