#pragma once

#include "gui/documents/WizardState.h"

namespace vantor {

// The program: the process-wide state, made once, and the start dialog run
// modally. The state outlives every dialog, so a second run of the wizard
// starts from what the first one stored.
class WizardApp {
public:
    // Runs the start dialog until it closes; the program's exit code.
    int run();

    WizardState& state() { return state_; }

private:
    WizardState state_;
};

} // namespace vantor
