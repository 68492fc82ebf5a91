#include "wizard/FinishPage.h"

namespace vantor {

FinishPage::FinishPage(WizardState& state, QWidget* parent) : WizardPage(state, parent) {}

} // namespace vantor
