#pragma once

#include "gui/wizard/WizardPage.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace Ui {
class FinishPage;
}

namespace vantor {

class FileError;

// The wizard's last page: the names of the four definition files and whether
// the server starts with the others. Finish writes the configuration, the
// virtual file system, user and allowed address files and the startup list
// entry, then ends the wizard. It asks before it replaces a file whose content
// it did not read or that another program changed since, and refuses two
// names of one file. Back, Escape and the close box store the names and go
// back; Cancel ends the wizard with nothing stored or written.
class FinishPage : public WizardPage {
    Q_OBJECT
public:
    explicit FinishPage(WizardState& state, QWidget* parent = nullptr);
    ~FinishPage() override;

    void initDialog() override;
    void reject() override;

private:
    static constexpr std::size_t kFileCount = 4;
    using Names = std::array<std::string, kFileCount>;

    std::array<QLineEdit*, kFileCount> boxes() const;
    void fillDefaultNames();
    bool isWritten(std::size_t file);
    std::optional<Names> takeNames(bool forWriting);
    bool namesDistinct(const Names& names);
    void store(const Names& names);

    void chooseName(std::size_t file);
    void back();
    void finish();

    std::unique_ptr<::Ui::FinishPage> form_;
};

} // namespace vantor
