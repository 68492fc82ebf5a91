#include "wizard/UsersIntroPage.h"

namespace vantor {

UsersIntroPage::UsersIntroPage(WizardState& state, QWidget* parent) : WizardPage(state, parent) {}

} // namespace vantor
