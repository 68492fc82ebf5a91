#include "gui/wizard/FinishPage.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/ConfigurationFile.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"
#include "gui/documents/FileReadings.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/wizard/VfsIntroPage.h"
#include "ui_FinishPage.h"

#include <algorithm>
#include <iterator>

namespace vantor {

namespace {

// The four names in the order the page shows them and proposes defaults.
struct FileKind {
    std::string ServerDesign::*field;
    const char* extension;
    Str filter;
};

constexpr std::size_t kUserFile = 2;
constexpr std::size_t kAllowFile = 3;

constexpr FileKind kFiles[] = {
    {&ServerDesign::configFile, ".ftpd", Str::FtpdFileFilter},
    {&ServerDesign::vfsFile, ".vfs", Str::VfsFileFilter},
    {&ServerDesign::userFile, ".user", Str::UserFileFilter},
    {&ServerDesign::allowFile, ".allow", Str::AllowFileFilter},
};

// A name typed without an extension is meant as a file of the box's kind.
std::string withExtension(std::string path, const char* extension) {
    if (BaseName(path).find('.') == std::string::npos)
        path += extension;
    return path;
}

} // namespace

FinishPage::FinishPage(WizardState& state, QWidget* parent)
    : WizardPage(state, parent), form_(std::make_unique<::Ui::FinishPage>()) {
    form_->setupUi(this);
    const QPushButton* choosers[] = {form_->configFileButton, form_->vfsFileButton,
                                     form_->userFileButton, form_->allowFileButton};
    for (std::size_t file = 0; file < kFileCount; ++file)
        connect(choosers[file], &QPushButton::clicked, this, [this, file] { chooseName(file); });
    connect(form_->finishButton, &QPushButton::clicked, this, &FinishPage::finish);
    connect(form_->backButton, &QPushButton::clicked, this, &FinishPage::back);
    // Not reject(): that is Back on this page.
    connect(form_->cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
}

FinishPage::~FinishPage() = default;

std::array<QLineEdit*, FinishPage::kFileCount> FinishPage::boxes() const {
    return {form_->configFileEdit, form_->vfsFileEdit, form_->userFileEdit, form_->allowFileEdit};
}

void FinishPage::initDialog() {
    form_->startAtLaunchCheck->setChecked(design().startAtLaunch);
    fillDefaultNames();
    const auto edits = boxes();
    for (std::size_t file = 0; file < kFileCount; ++file)
        pushText(edits[file], design().*kFiles[file].field);
}

void FinishPage::reject() {
    back();
}

void FinishPage::fillDefaultNames() {
    ServerDesign& record = design();
    const auto isEmpty = [&record](const FileKind& kind) { return (record.*kind.field).empty(); };
    if (std::none_of(std::begin(kFiles), std::end(kFiles), isEmpty))
        return;
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    // A default once stored stays, whatever the server name becomes later.
    for (const FileKind& kind : kFiles) {
        if (!isEmpty(kind))
            continue;
        std::string name = JoinPath(directory, record.serverName + kind.extension);
        // The names share the directory, so one refusal says it for all.
        if (!checkPathUsable(this, name))
            return;
        record.*kind.field = std::move(name);
    }
}

bool FinishPage::isWritten(std::size_t file) {
    // An empty user or address list is not saved, so its file needs no name.
    switch (file) {
    case kUserFile:
        return !state().userLines.empty();
    case kAllowFile:
        return !state().allowed.empty();
    default:
        return true;
    }
}

std::optional<FinishPage::Names> FinishPage::takeNames(bool forWriting) {
    Names names;
    const auto edits = boxes();
    for (std::size_t file = 0; file < kFileCount; ++file) {
        names[file] = toBytes(edits[file]->text());
        const bool usable = checkPathUsable(this, names[file]);
        if (usable && forWriting && names[file].empty() && isWritten(file))
            showError(this, Str::FileNameEmpty);
        else if (usable)
            continue;
        edits[file]->setFocus();
        return std::nullopt;
    }
    return names;
}

// Two names of one file would have the later write replace the earlier one.
bool FinishPage::namesDistinct(const Names& names) {
    for (std::size_t file = 1; file < kFileCount; ++file) {
        for (std::size_t before = 0; before < file; ++before) {
            if (!SameFile(names[before], names[file]))
                continue;
            showError(this,
                      loadString(Str::NamesSameFile).arg(toQt(names[before]), toQt(names[file])));
            boxes()[file]->setFocus();
            return false;
        }
    }
    return true;
}

void FinishPage::store(const Names& names) {
    ServerDesign& record = design();
    for (std::size_t file = 0; file < kFileCount; ++file)
        record.*kFiles[file].field = names[file];
    record.startAtLaunch = form_->startAtLaunchCheck->isChecked();
}

// Asked before anything is written: a file is replaced unasked only by the
// list read from it, whole; one whose reading failed is not replaced at all.
bool FinishPage::mayWriteFiles() {
    WizardState& all = state();
    const ServerDesign& record = all.design;
    if (!mayReplaceWith(this, all.files, record.vfsFile, all.mountPointsFrom))
        return false;
    if (!all.userLines.empty() &&
        !mayReplaceWith(this, all.files, record.userFile, all.userLinesFrom))
        return false;
    if (!all.allowed.empty() && !mayReplaceWith(this, all.files, record.allowFile, all.allowedFrom))
        return false;
    if (!record.startAtLaunch)
        return true;
    // The startup list is read and written back whole to add its line.
    readDefinitionFile(this, all.files, kStartupListName, [] {
        TextLineList startup;
        return ReadLineList(kStartupListName, startup);
    });
    return mayReplace(this, all.files, kStartupListName);
}

void FinishPage::writeFiles() {
    WizardState& all = state();
    const ServerDesign& record = all.design;
    writeConfigurationFile(record);
    WriteLineList(all.mountPoints, record.vfsFile);
    noteListWritten(all.files, all.mountPointsFrom, record.vfsFile);
    if (SaveUserLineList(all.userLines, record.userFile))
        noteListWritten(all.files, all.userLinesFrom, record.userFile);
    else
        showNotice(this, Str::UserFileEmpty);
    if (SaveAllowedAddressList(all.allowed, record.allowFile))
        noteListWritten(all.files, all.allowedFrom, record.allowFile);
    else
        showNotice(this, Str::AllowFileEmpty);
    if (record.startAtLaunch)
        addToStartupList(record.configFile);
}

void FinishPage::chooseName(std::size_t file) {
    const FileKind& kind = kFiles[file];
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.filter = loadString(kind.filter);
    request.defaultExtension = QStringLiteral("*") + QString::fromLatin1(kind.extension);
    const auto chosen = ui().chooseFile(this, request);
    if (!chosen)
        return;
    const std::string path = withExtension(toBytes(*chosen), kind.extension);
    if (checkPathUsable(this, path))
        pushText(boxes()[file], path);
}

void FinishPage::back() {
    // Going back writes nothing, so only names the record cannot hold are refused.
    const auto names = takeNames(false);
    if (!names)
        return;
    store(*names);
    handOverTo<VfsIntroPage>();
}

void FinishPage::finish() {
    const auto names = takeNames(true);
    if (!names || !namesDistinct(*names))
        return;
    store(*names);
    // A file that cannot be written stops the sequence there, with the files
    // before it written and the page open for another name; a No to a
    // question keeps the page open with nothing written.
    bool written = false;
    runFileAction(this, [this, &written] {
        if (!mayWriteFiles())
            return;
        writeFiles();
        written = true;
    });
    if (written)
        accept();
}

} // namespace vantor
