#pragma once

#include "core/lines/FileStamp.h"
#include "core/server/WizardState.h"
#include "core/vfs/VfsFile.h"
#include "gui/platform/Strings.h"
#include "gui/platform/Ui.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;

namespace Ui {
class VfsEditorDialog;
}

namespace vantor {

// The editor of the mount points of a virtual file system. Made in wizard mode,
// where Ok, Save and Save as only commit the entries to the design's mount
// point list; in file mode (set by its caller, or by Open and New) they also
// write the current *.vfs file. Cancel, Escape and the close box commit nothing.
class VfsEditorDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit VfsEditorDialog(WizardState& state, QWidget* parent = nullptr);
    ~VfsEditorDialog() override;

    void enterFileMode() { fileMode_ = true; }
    bool inFileMode() const { return fileMode_; }

    void initDialog() override;
    void accept() override;

private:
    void attachTooltips();
    void open();
    void fillNames();
    void fillEntries();

    void showSelected();
    void showEntry(const QString& entry);
    void selectName(QComboBox* box, const QString& name);
    int selectedRow() const;
    void selectRow(int row);
    void removeRow(int row);
    void insertEntry(const std::string& line);

    // The line Add or Update would store, or nothing after a refusal; `skipRow`
    // is left out of the search for an equal virtual path.
    std::optional<std::string> buildEntry(int skipRow);
    std::string chosenName(QComboBox* box, Str warning);
    int rowWithVirtualPath(const QString& virtualPath, int skipRow) const;

    void add();
    void remove();
    void update();
    void browse();

    // False when nothing was written: the user kept a change another
    // program made to the file (reloading it, or cancelling).
    bool commit(bool checkFile);
    bool writeEntries(const TextLineList& lines, bool checkFile);
    void openFile();
    void newFile();
    void save();
    void saveAs();

    WizardState& state_;
    std::unique_ptr<::Ui::VfsEditorDialog> form_;
    bool fileMode_ = false;
    // The *.vfs file as last read or written here.
    FileStamp vfsStamp_;
};

} // namespace vantor
