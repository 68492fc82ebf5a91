#pragma once

#include "core/lines/TextLineList.h"
#include "core/server/ServerDesign.h"

namespace vantor {

// The state that lives for the whole process and that the dialogs hand to one
// another: the design record and the three line lists beside it. Every dialog
// gets it by reference; nothing is returned through result codes.
struct WizardState {
    ServerDesign design;
    TextLineList mountPoints; // lines of the *.vfs file
    TextLineList userLines;   // lines of the *.user file
    TextLineList allowed;     // lines of the *.allow file
};

} // namespace vantor
