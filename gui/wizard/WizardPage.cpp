#include "gui/wizard/WizardPage.h"

namespace vantor {

WizardPage::WizardPage(WizardState& state, QWidget* parent) : ModalDialog(parent), state_(state) {}

void WizardPage::handOver(ModalDialog& target) {
    // The page leaves the screen before the target shows, but its own run ends
    // only after the target's, so the chain unwinds page by page back to
    // whoever started the wizard.
    hide();
    ui().runModal(target);
    done(Accepted);
}

void WizardPage::endProcess() {
    ui().exitProcess(0);
    // Not reject(): a page may have given Escape another meaning.
    done(Rejected);
}

} // namespace vantor
