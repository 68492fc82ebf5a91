#include "gui/documents/WizardState.h"

namespace vantor {

void WizardState::closeDocuments() {
    for (Document* document : {&configuration, &mountPoints, &users, &addresses})
        document->close();
}

ServerDesign WizardState::designToWrite() const {
    ServerDesign record = design;
    record.configFile = configuration.path();
    record.vfsFile = mountPoints.path();
    record.userFile = users.path();
    record.allowFile = addresses.path();
    return record;
}

} // namespace vantor
