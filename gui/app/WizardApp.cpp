#include "gui/app/WizardApp.h"

#include "gui/app/WelcomeDialog.h"
#include "gui/platform/Ui.h"

namespace vantor {

int WizardApp::run() {
    WelcomeDialog welcome(state_);
    ui().runModal(welcome);
    return 0;
}

} // namespace vantor
