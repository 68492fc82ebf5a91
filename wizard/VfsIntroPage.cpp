#include "wizard/VfsIntroPage.h"

namespace vantor {

VfsIntroPage::VfsIntroPage(WizardState& state, QWidget* parent) : WizardPage(state, parent) {}

} // namespace vantor
