#pragma once

#include "gui/documents/WizardState.h"

namespace vantor {

// Runs the server design wizard from its first page; returns when the chain of
// pages has ended.
void runServerDesignWizard(WizardState& state);

} // namespace vantor
