#include "gui/wizard/FinishPage.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "gui/documents/WizardState.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/wizard/FinishWrites.h"
#include "gui/wizard/VfsIntroPage.h"
#include "ui_FinishPage.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace vantor {

namespace {

// The four files in the order the page shows them and proposes defaults.
struct FileKind {
    Document WizardState::*document;
    const char* extension;
    Str filter;
};

constexpr std::size_t kUserFile = 2;
constexpr std::size_t kAllowFile = 3;

constexpr FileKind kFiles[] = {
    {&WizardState::configuration, ".ftpd", Str::FtpdFileFilter},
    {&WizardState::mountPoints, ".vfs", Str::VfsFileFilter},
    {&WizardState::users, ".user", Str::UserFileFilter},
    {&WizardState::addresses, ".allow", Str::AllowFileFilter},
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
        pushText(edits[file], (state().*kFiles[file].document).path());
}

void FinishPage::reject() {
    back();
}

// A document without a file gets one named after the server, keeping what
// the design holds for it.
void FinishPage::fillDefaultNames() {
    WizardState& all = state();
    const auto unnamed = [&all](const FileKind& kind) { return !(all.*kind.document).named(); };
    if (std::none_of(std::begin(kFiles), std::end(kFiles), unnamed))
        return;
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    // A default once stored stays, whatever the server name becomes later.
    for (const FileKind& kind : kFiles) {
        if (!unnamed(kind))
            continue;
        std::string name = JoinPath(directory, design().serverName + kind.extension);
        // The names share the directory, so one refusal says it for all.
        if (!checkPathUsable(this, name))
            return;
        (all.*kind.document).moveTo(name);
    }
}

bool FinishPage::isWritten(std::size_t file) {
    // An empty user or address list is not saved, so its file needs no name.
    switch (file) {
    case kUserFile:
        return !state().users.lines().empty();
    case kAllowFile:
        return !state().addresses.lines().empty();
    default:
        return true;
    }
}

std::optional<FinishPage::Names> FinishPage::takeNames(bool forWriting) {
    Names names;
    const auto edits = boxes();
    for (std::size_t file = 0; file < kFileCount; ++file) {
        names[file] = AbsolutePath(toBytes(edits[file]->text()));
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

// A name of another file takes what the design holds for it there.
void FinishPage::store(const Names& names) {
    for (std::size_t file = 0; file < kFileCount; ++file)
        (state().*kFiles[file].document).moveTo(names[file]);
    design().startAtLaunch = form_->startAtLaunchCheck->isChecked();
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
    // Every question comes before the first write; a No keeps the page open
    // with nothing written. The files are written together or not at all: a
    // file that cannot be written leaves every one as it was and the page
    // open for another name.
    bool done = false;
    runFileAction(this, [&] {
        if (auto plan = checkFinishWrites(this, state()))
            done = writeFinishFiles(this, state(), *plan);
    });
    if (done)
        accept();
}

} // namespace vantor
