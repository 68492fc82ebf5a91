#include "wizard/ServerDesignWizard.h"

#include "wizard/BasicOptionsPage.h"

namespace vantor {

void runServerDesignWizard(WizardState& state) {
    BasicOptionsPage page(state);
    ui().runModal(page);
}

} // namespace vantor
