#pragma once

#include "wizard/WizardPage.h"

namespace vantor {

class FinishPage : public WizardPage {
    Q_OBJECT
public:
    explicit FinishPage(WizardState& state, QWidget* parent = nullptr);
};

} // namespace vantor
