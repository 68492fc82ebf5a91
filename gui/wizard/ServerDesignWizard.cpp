#include "gui/wizard/ServerDesignWizard.h"

#include "gui/wizard/BasicOptionsPage.h"

namespace vantor {

void runServerDesignWizard(WizardState& state) {
    BasicOptionsPage page(state);
    ui().runModal(page);
}

} // namespace vantor
