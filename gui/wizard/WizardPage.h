#pragma once

#include "gui/documents/WizardState.h"
#include "gui/platform/Ui.h"

namespace vantor {

// One page of the server design wizard. The pages form a chain of modal runs:
// a page that hands over closes and runs a new target page, and when that run
// returns the page ends too, so the first page that closes without handing
// over ends the whole chain. Every page is a new object that loads itself from
// the record when it opens; nothing travels between pages except the record.
//
// QDialog sends the Escape key and the close box to reject(); a page whose
// Escape does not simply end the chain overrides it.
class WizardPage : public ModalDialog {
    Q_OBJECT
public:
    explicit WizardPage(WizardState& state, QWidget* parent = nullptr);

protected:
    WizardState& state() { return state_; }
    ServerDesign& design() { return state_.design; }

    // Runs a new page of kind Page in place of this one; returns once the rest
    // of the chain has ended, with this page closed.
    template <typename Page> void handOverTo() {
        Page target(state_);
        handOver(target);
    }

    // Ends the process with exit code 0. On the desktop this does not return;
    // where it does (under test), the page closes so that the chain unwinds.
    void endProcess();

private:
    void handOver(ModalDialog& target);

    WizardState& state_;
};

} // namespace vantor
