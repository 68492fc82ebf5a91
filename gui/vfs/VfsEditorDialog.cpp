#include "gui/vfs/VfsEditorDialog.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "core/users/UserFile.h"
#include "core/vfs/MountFields.h"
#include "core/vfs/VfsValidation.h"
#include "gui/documents/DocumentWrites.h"
#include "gui/documents/FileChoice.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/FolderBrowser.h"
#include "gui/platform/ListBoxLines.h"
#include "gui/platform/ListHelpers.h"
#include "gui/platform/Messages.h"
#include "gui/platform/NameCompleter.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Tooltip.h"
#include "gui/platform/WriteBack.h"
#include "ui_VfsEditorDialog.h"

#include <QSignalBlocker>

#include <array>

namespace vantor {

namespace {

// The nine boxes, owner first, each with the right it shows.
using RightField = bool Permissions::*;
constexpr std::array<RightField, 9> kRights{
    &Permissions::ownerRead, &Permissions::ownerWrite, &Permissions::ownerExecute,
    &Permissions::groupRead, &Permissions::groupWrite, &Permissions::groupExecute,
    &Permissions::otherRead, &Permissions::otherWrite, &Permissions::otherExecute};

std::array<QCheckBox*, 9> rightBoxes(const ::Ui::VfsEditorDialog& form) {
    return {form.ownerReadCheck, form.ownerWriteCheck, form.ownerExecuteCheck,
            form.groupReadCheck, form.groupWriteCheck, form.groupExecuteCheck,
            form.otherReadCheck, form.otherWriteCheck, form.otherExecuteCheck};
}

// A field of an entry, split as ExtractField splits it, without taking the
// entry out of its Qt text; empty when the entry does not hold the field.
QStringView fieldOf(const QString& entry, MountField field) {
    const QLatin1Char separator(kMountPointSeparator);
    qsizetype start = 0;
    for (int skipped = 0; skipped < static_cast<int>(field); ++skipped) {
        start = entry.indexOf(separator, start);
        if (start < 0)
            return {};
        ++start;
    }
    const qsizetype end = entry.indexOf(separator, start);
    return QStringView(entry).mid(start, end < 0 ? -1 : end - start);
}

QStringView virtualPathOf(const QString& entry) {
    return fieldOf(entry, MountField::Virtual);
}

bool isRoot(const QString& entry) {
    return virtualPathOf(entry) == QLatin1String("/");
}

// Names that cannot stand in a mount point line (too long, or holding "|")
// are not offered, so a chosen name never has to be refused.
QStringList usableNames(const std::vector<std::string>& names) {
    QStringList usable;
    usable.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) {
        if (!name.empty() && CheckMountPointName(name) == MountPointRule::Ok)
            usable.append(toQt(name));
    }
    return usable;
}

// The refusal of a text field, for `return refuseField(...)` where an entry
// is being built.
std::nullopt_t refuseField(QLineEdit* field, const QString& message) {
    refuseText(field, message);
    return std::nullopt;
}

} // namespace

VfsEditorDialog::VfsEditorDialog(WizardState& state, QWidget* parent)
    : ModalDialog(parent), state_(state),
      form_(std::make_unique<::Ui::VfsEditorDialog>()), lastSaved_{state.mountPoints, state.users} {
    form_->setupUi(this);
    form_->mainLayout->setMenuBar(form_->menuBar);
    form_->entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Laid out all at once, 10,000 entries would hold up the opening; in
    // batches the dialog answers at once and every entry keeps its full width.
    form_->entryList->setLayoutMode(QListView::Batched);
    // A name is found by typing its beginning, but only a chosen one counts.
    for (QComboBox* box : {form_->ownerCombo, form_->groupCombo})
        offerCompletions(box, TypedText::Dropped);

    const auto action = [this](void (VfsEditorDialog::*run)()) {
        return [this, run] { runFileAction(this, [this, run] { (this->*run)(); }); };
    };
    connect(form_->entryList, &QListWidget::itemSelectionChanged, this,
            &VfsEditorDialog::showSelected);
    connect(form_->addButton, &QPushButton::clicked, this, action(&VfsEditorDialog::add));
    connect(form_->deleteButton, &QPushButton::clicked, this, action(&VfsEditorDialog::remove));
    connect(form_->updateButton, &QPushButton::clicked, this, action(&VfsEditorDialog::update));
    connect(form_->browseButton, &QPushButton::clicked, this, action(&VfsEditorDialog::browse));
    connect(form_->okButton, &QPushButton::clicked, this, &VfsEditorDialog::accept);
    connect(form_->cancelButton, &QPushButton::clicked, this, &VfsEditorDialog::reject);
    connect(form_->openAction, &QAction::triggered, this, action(&VfsEditorDialog::openFile));
    connect(form_->newAction, &QAction::triggered, this, action(&VfsEditorDialog::newFile));
    connect(form_->saveAction, &QAction::triggered, this, action(&VfsEditorDialog::save));
    connect(form_->saveAsAction, &QAction::triggered, this, action(&VfsEditorDialog::saveAs));
}

VfsEditorDialog::~VfsEditorDialog() = default;

void VfsEditorDialog::initDialog() {
    startEditing();
}

// What Save committed to the design, and what Open or Save as named, is
// taken back as well; a file written here stays as written, and so do the
// documents of it.
void VfsEditorDialog::reject() {
    state_.mountPoints = lastSaved_.mountPoints;
    state_.users = lastSaved_.users;
    ModalDialog::reject();
}

void VfsEditorDialog::attachTooltips() {
    const QString classTip = loadString(Str::TipPermissionClass);
    for (QWidget* label : {form_->ownerClassLabel, form_->groupClassLabel, form_->otherClassLabel})
        AttachTooltip(label, classTip);
    const auto boxes = rightBoxes(*form_);
    const Str rightTips[] = {Str::TipRightRead, Str::TipRightWrite, Str::TipRightExecute};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        AttachTooltip(boxes[i], loadString(rightTips[i % 3]));
    AttachTooltip(form_->inheritCheck, loadString(Str::TipInherit));
    AttachTooltip(form_->virtualPathEdit, loadString(Str::TipVirtualPath));
}

void VfsEditorDialog::startEditing() {
    attachTooltips();
    // A file that cannot be read is named to the user; the dialog still opens,
    // with what could be read.
    runFileAction(this, [this] { state_.users.read(this); });
    fillNames();
    fillEntries();
    if (form_->entryList->count() > 0)
        selectRow(0);
    setWindowTitle(toQt(state_.users.path()));
}

void VfsEditorDialog::fillNames() {
    fillSorted(form_->ownerCombo, usableNames(ListUserNames(state_.users.lines())));
    fillSorted(form_->groupCombo, usableNames(ListGroupNames(state_.users.lines())));
    for (QComboBox* box : {form_->ownerCombo, form_->groupCombo})
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    shownOwner_ = shownGroup_ = {};
}

// File mode shows the current *.vfs file; wizard mode the design's mount
// points, or a root entry while there are none.
void VfsEditorDialog::fillEntries() {
    QStringList entries;
    const auto take = [&entries](const TextLineList& lines) {
        entries.reserve(static_cast<qsizetype>(lines.size()));
        for (std::string_view line : lines)
            entries.append(toQt(line));
    };
    Document& mountPoints = state_.mountPoints;
    if (fileMode_) {
        runFileAction(this, [&] { mountPoints.read(this); });
        take(mountPoints.lines());
    } else if (!mountPoints.lines().empty()) {
        take(mountPoints.lines());
    } else {
        const auto current = [](const QComboBox* box) {
            return box->count() > 0 ? toBytes(box->itemText(0)) : std::string(kDefaultOwnerName);
        };
        if (!state_.design.rootDirectory.empty())
            entries.append(
                toQt(DefaultRootLine(state_.design.rootDirectory, current(form_->ownerCombo),
                                     current(form_->groupCombo), RootLineFormat::Editor)));
    }
    fillSorted(form_->entryList, std::move(entries));
}

int VfsEditorDialog::selectedRow() const {
    const auto selected = form_->entryList->selectedItems();
    return selected.isEmpty() ? -1 : form_->entryList->row(selected.constFirst());
}

void VfsEditorDialog::selectRow(int row) {
    {
        const QSignalBlocker quiet(form_->entryList);
        form_->entryList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    form_->entryList->scrollToItem(form_->entryList->item(row));
    showSelected();
}

void VfsEditorDialog::showSelected() {
    const int row = selectedRow();
    if (row >= 0)
        showEntry(form_->entryList->item(row)->text());
}

void VfsEditorDialog::showEntry(const QString& entry) {
    const auto boxes = rightBoxes(*form_);
    MountPoint mount;
    // A permission field that does not decode leaves the boxes as they are.
    for (std::size_t i = 0; i < boxes.size(); ++i)
        mount.rights.*kRights[i] = boxes[i]->isChecked();
    ParseMountPoint(toBytes(entry), mount);
    form_->physicalPathEdit->setText(toQt(mount.physicalPath));
    form_->virtualPathEdit->setText(toQt(mount.virtualPath));
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(mount.rights.*kRights[i]);
    form_->inheritCheck->setChecked(mount.inherit);
    shownOwner_ = selectName(form_->ownerCombo, mount.owner);
    shownGroup_ = selectName(form_->groupCombo, mount.group);
}

// The item equal to the name, else the one item equal to it ignoring case;
// with neither, the name itself is added, so that no other account or group
// is shown for it.
VfsEditorDialog::ShownName VfsEditorDialog::selectName(QComboBox* box, const std::string& name) {
    const QString text = toQt(name);
    int at = findEqualSorted(box, text);
    if (at < 0 && !text.isEmpty())
        at = addSorted(box, text);
    box->setCurrentIndex(at);
    return {at >= 0 ? box->itemText(at) : QString(), name};
}

std::string VfsEditorDialog::chosenName(QComboBox* box, const ShownName& shown, Str warning) {
    // Only a chosen item counts, never text typed into the box.
    std::string chosen;
    if (box->currentIndex() >= 0) {
        // Typed text is not a choice: the item is read by its index.
        const QString item = box->itemText(box->currentIndex());
        chosen = item == shown.item && !shown.name.empty() ? shown.name : toBytes(item);
    }
    auto choice = MountNameOrDefault(std::move(chosen));
    if (choice.defaulted)
        showWarning(this, warning);
    return std::move(choice.name);
}

int VfsEditorDialog::rowWithVirtualPath(const QString& virtualPath, int skipRow) const {
    const QListWidget* list = form_->entryList;
    const int count = list->count();
    for (int row = 0; row < count; ++row) {
        if (row != skipRow && virtualPathOf(list->item(row)->text()) == virtualPath)
            return row;
    }
    return -1;
}

std::optional<std::string> VfsEditorDialog::buildEntry(int skipRow) {
    QLineEdit* physicalEdit = form_->physicalPathEdit;
    QLineEdit* virtualEdit = form_->virtualPathEdit;
    MountPoint mount;
    mount.physicalPath = toBytes(physicalEdit->text());
    mount.virtualPath = toBytes(virtualEdit->text());
    if (const auto fault = CheckMountPointPaths(mount.physicalPath, mount.virtualPath))
        return refuseField(fault->field == MountPathField::Physical ? physicalEdit : virtualEdit,
                           mountPointRuleText(fault->rule));

    mount.owner = chosenName(form_->ownerCombo, shownOwner_, Str::OwnerEmpty);
    mount.group = chosenName(form_->groupCombo, shownGroup_, Str::GroupEmpty);
    // An entry's own name that the lists did not hold may be too long.
    for (auto [name, box] :
         {std::pair{&mount.owner, form_->ownerCombo}, std::pair{&mount.group, form_->groupCombo}}) {
        if (const MountPointRule rule = CheckMountPointName(*name); rule != MountPointRule::Ok) {
            showError(this, mountPointRuleText(rule));
            box->setFocus();
            return std::nullopt;
        }
    }
    const auto boxes = rightBoxes(*form_);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        mount.rights.*kRights[i] = boxes[i]->isChecked();
    mount.inherit = form_->inheritCheck->isChecked();
    // What is left to refuse is a line too long as a whole.
    if (const MountPointRule rule = CheckMountPoint(mount); rule != MountPointRule::Ok)
        return refuseField(physicalEdit, mountPointRuleText(rule));

    if (const int row = rowWithVirtualPath(virtualEdit->text(), skipRow); row >= 0) {
        showError(this, Str::VirtualPathExists);
        selectRow(row);
        return std::nullopt;
    }
    return FormatMountPoint(mount);
}

void VfsEditorDialog::add() {
    if (const auto line = buildEntry(-1))
        insertEntry(*line);
}

void VfsEditorDialog::insertEntry(const std::string& line) {
    // Rows shifting under the selected entry must not show it again over the
    // values just typed.
    const QSignalBlocker quiet(form_->entryList);
    addSorted(form_->entryList, toQt(line));
}

void VfsEditorDialog::remove() {
    const int row = selectedRow();
    if (row < 0)
        return;
    if (isRoot(form_->entryList->item(row)->text())) {
        showError(this, Str::RootDeleteRefused);
        selectRow(row);
        return;
    }
    removeRow(row);
}

void VfsEditorDialog::removeRow(int row) {
    // The view would select a neighbour and show it; the fields keep the
    // removed entry's values instead, with no entry selected.
    const QSignalBlocker quiet(form_->entryList);
    delete form_->entryList->takeItem(row);
    form_->entryList->clearSelection();
}

void VfsEditorDialog::update() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString entry = form_->entryList->item(row)->text();
    if (isRoot(entry) && form_->virtualPathEdit->text() != QLatin1String("/")) {
        showError(this, Str::RootRenameRefused);
        showEntry(entry);
        return;
    }
    const auto line = buildEntry(row);
    if (!line)
        return;
    removeRow(row);
    insertEntry(*line);
}

void VfsEditorDialog::browse() {
    BrowseForFolder(this, form_->physicalPathEdit);
}

// After New the entries belong to no file yet: the first Ok or Save names
// one, as Save as does, so the file open before is not replaced by them.
bool VfsEditorDialog::commitToNamedFile() {
    if (!fileMode_ || state_.mountPoints.named())
        return commit(std::nullopt);
    const auto path = AskForDefinitionFile(this, kVfsFileKind, FileRequest::Kind::Save);
    return path && commit(*path);
}

// In wizard mode the entries become the design's mount points; in file mode
// they are written, and only a file written makes them the design's, so that
// no list stands for a file it is not the content of. False when nothing was
// written: the user kept a change another program made to the file
// (reloading it, or cancelling).
bool VfsEditorDialog::commit(const std::optional<std::string>& saveAs) {
    Document& mountPoints = state_.mountPoints;
    TextLineList lines;
    lines.reserve(static_cast<std::size_t>(form_->entryList->count()));
    CopyListBoxLines(*form_->entryList, lines);
    if (!fileMode_) {
        if (saveAs)
            mountPoints.moveTo(*saveAs);
        mountPoints.setLines(std::move(lines));
        return true;
    }
    // Save as writes the file the user just agreed to replace.
    const WriteBack result =
        saveAs ? ::vantor::saveAs(this, mountPoints, *saveAs, lines, Str::FileChangedQuestion)
               : ::vantor::save(this, mountPoints, lines, Str::FileChangedQuestion);
    switch (result) {
    case WriteBack::Written:
        lastSaved_ = {state_.mountPoints, state_.users};
        return true;
    case WriteBack::Reload:
        fillEntries();
        if (form_->entryList->count() > 0)
            selectRow(0);
        break;
    case WriteBack::Cancelled:
        break;
    }
    return false;
}

void VfsEditorDialog::accept() {
    // A file that cannot be written keeps the dialog open, in file mode.
    bool committed = false;
    if (!runFileAction(this, [&] { committed = commitToNamedFile(); }) || !committed)
        return;
    fileMode_ = false;
    ModalDialog::accept();
}

void VfsEditorDialog::save() {
    commitToNamedFile();
}

void VfsEditorDialog::saveAs() {
    if (const auto path = AskForDefinitionFile(this, kVfsFileKind, FileRequest::Kind::Save))
        commit(*path);
}

void VfsEditorDialog::openFile() {
    const auto vfsFile = AskForDefinitionFile(this, kVfsFileKind);
    if (!vfsFile)
        return;
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    // Both paths change together or not at all: after a cancel the entries and
    // the user lines still come from the previous files, and a later Ok, or the
    // finish page, must not write them over the newly chosen ones.
    std::string userFile = state_.users.path();
    const SingleMatch match = FindSingleMatch(directory, kUserFileKind.pattern);
    if (match.firstPath) {
        if (!checkPathUsable(this, *match.firstPath))
            return;
        userFile = *match.firstPath;
    }
    if (!match.only) {
        const auto asked = AskForDefinitionFile(this, kUserFileKind);
        if (!asked)
            return;
        userFile = asked->empty() ? JoinPath(directory, kDefaultUserFileName) : *asked;
    }
    state_.mountPoints.open(*vfsFile);
    state_.users.open(userFile);
    fileMode_ = true;
    startEditing();
}

void VfsEditorDialog::newFile() {
    form_->entryList->clear();
    form_->ownerCombo->clear();
    form_->groupCombo->clear();
    form_->physicalPathEdit->clear();
    form_->virtualPathEdit->clear();
    for (QCheckBox* box : rightBoxes(*form_))
        box->setChecked(false);
    form_->inheritCheck->setChecked(false);
    fileMode_ = true;
    state_.mountPoints.close();
    shownOwner_ = shownGroup_ = {};
}

} // namespace vantor
