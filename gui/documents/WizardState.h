#pragma once

#include "core/server/ServerDesign.h"
#include "gui/documents/Document.h"

namespace vantor {

// The state that lives for the whole process and that the dialogs hand to one
// another: the design's values and one document per definition file the
// design names. The documents name the files: the record's four file name
// fields stay empty here, and the record written to the configuration file
// takes them from the documents (designToWrite). Every dialog gets the state
// by reference; nothing is returned through result codes.
struct WizardState {
    ServerDesign design;
    Document configuration{DocumentKind::Configuration};
    Document mountPoints{DocumentKind::MountPoints};
    Document users{DocumentKind::Users};
    Document addresses{DocumentKind::Addresses};

    // The working folder changed: every document belonged to the old one and
    // closes, so that no name, list or reading of it is written into the new
    // one. The design's other values stay.
    void closeDocuments();
    // The record with the files the documents name.
    ServerDesign designToWrite() const;
};

} // namespace vantor
