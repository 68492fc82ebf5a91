#include "wizard/ServerDesignWizard.h"

namespace vantor {

void runServerDesignWizard(WizardState& state) {
    (void)state;
}

} // namespace vantor
