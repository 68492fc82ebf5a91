#include "app/WizardApp.h"

#include "app/WelcomeDialog.h"
#include "platform/Ui.h"

namespace vantor {

int WizardApp::run() {
    WelcomeDialog welcome(state_);
    ui().runModal(welcome);
    return 0;
}

} // namespace vantor
