#pragma once

#include "core/lines/TextLineList.h"
#include "core/server/ServerDesign.h"
#include "gui/documents/FileLedger.h"

#include <string>

namespace vantor {

// The state that lives for the whole process and that the dialogs hand to one
// another: the design record and the three line lists beside it. Every dialog
// gets it by reference; nothing is returned through result codes.
struct WizardState {
    ServerDesign design;
    TextLineList mountPoints; // lines of the *.vfs file
    TextLineList userLines;   // lines of the *.user file
    TextLineList allowed;     // lines of the *.allow file

    // The file each list was last read from or written to, so that none is
    // written over another file unasked; empty while a list comes from none.
    std::string mountPointsFrom;
    std::string userLinesFrom;
    std::string allowedFrom;
    FileLedger files; // what this run knows of each file it read or wrote
};

} // namespace vantor
