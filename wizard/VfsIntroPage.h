#pragma once

#include "wizard/WizardPage.h"

namespace vantor {

class VfsIntroPage : public WizardPage {
    Q_OBJECT
public:
    explicit VfsIntroPage(WizardState& state, QWidget* parent = nullptr);
};

} // namespace vantor
