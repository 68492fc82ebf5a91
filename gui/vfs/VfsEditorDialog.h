#pragma once

#include "core/vfs/VfsFile.h"
#include "gui/documents/WizardState.h"
#include "gui/platform/Ui.h"
#include "texts/Strings.h"

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
// where it opens on the design's mount point list (or on a root entry while
// the list is empty) and Ok, Save and Save as only commit the entries to that
// list; in file mode (set by its caller, or by Open and New) they also write
// the current *.vfs file, and after New the first of them asks for its name.
// Cancel, Escape and the close box leave the design's mount points and files
// as they were at the opening, or at the last write of a file.
class VfsEditorDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit VfsEditorDialog(WizardState& state, QWidget* parent = nullptr);
    ~VfsEditorDialog() override;

    void enterFileMode() { fileMode_ = true; }
    bool inFileMode() const { return fileMode_; }

    void initDialog() override;
    void accept() override;
    void reject() override;

private:
    // An owner or group as the shown entry names it, and the item selected
    // for it, which may differ in letter case: while that item stays chosen,
    // Add and Update keep the entry's own spelling.
    struct ShownName {
        QString item;
        std::string name;
    };

    void attachTooltips();
    void startEditing();
    void fillNames();
    void fillEntries();

    void showSelected();
    void showEntry(const QString& entry);
    static ShownName selectName(QComboBox* box, const std::string& name);
    int selectedRow() const;
    void selectRow(int row);
    void removeRow(int row);
    void insertEntry(const std::string& line);

    // The line Add or Update would store, or nothing after a refusal; `skipRow`
    // is left out of the search for an equal virtual path.
    std::optional<std::string> buildEntry(int skipRow);
    std::string chosenName(QComboBox* box, const ShownName& shown, Str warning);
    int rowWithVirtualPath(const QString& virtualPath, int skipRow) const;

    void add();
    void remove();
    void update();
    void browse();

    bool commitToNamedFile();
    bool commit(const std::optional<std::string>& saveAs);
    void openFile();
    void newFile();
    void save();
    void saveAs();

    WizardState& state_;
    std::unique_ptr<::Ui::VfsEditorDialog> form_;
    bool fileMode_ = false;
    // The documents as Cancel leaves them: as found, or as last written.
    struct Saved {
        Document mountPoints;
        Document users;
    };
    Saved lastSaved_;
    ShownName shownOwner_;
    ShownName shownGroup_;
};

} // namespace vantor
