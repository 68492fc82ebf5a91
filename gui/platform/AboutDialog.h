#pragma once

#include "gui/platform/Ui.h"

#include <memory>

namespace Ui {
class AboutDialog;
}

namespace vantor {

// The About box: the program's name, its version and the Qt version it runs
// on. OK, Enter, Escape and the close box close it.
class AboutDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<::Ui::AboutDialog> form_;
};

// The command value of the About entry. A dialog's command hook opens the About
// box for every value that equals it once its four lowest bits are cleared.
inline constexpr unsigned kAboutCommand = 16;
// Returns true when the command was the About entry's (and the box was shown).
bool handleSystemCommand(QWidget* owner, unsigned command);

// Gives a dialog the About entry, with the text of string 101; nothing when that
// text is empty. This desktop gives dialogs no system menu, so the entry sits in
// the dialog's context menu instead.
void addAboutEntry(QWidget* dialog);

} // namespace vantor
