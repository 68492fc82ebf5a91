#include "gui/wizard/FinishWrites.h"

#include "core/lines/FileChange.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/StartupList.h"
#include "core/users/UserFile.h"
#include "gui/documents/DocumentWrites.h"
#include "gui/documents/WizardState.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/Messages.h"

#include <iterator>

namespace vantor {

namespace {

// False when the user said no or cancelled; a Reload reads the file into the
// design instead of writing it.
bool checkFile(QWidget* owner, Document& document, FinishPlan::File& file) {
    file.document = &document;
    const ReplaceCheck check = checkReplace(owner, document, Str::DesignFileChanged);
    switch (check.answer) {
    case WriteBack::Written:
        file.write = true;
        file.expected = check.expected;
        return true;
    case WriteBack::Reload:
        document.read(owner);
        return true;
    case WriteBack::Cancelled:
        break;
    }
    return false;
}

// A change of the planned file, opened under its folder's lock; nothing when
// the plan writes none.
FileChange* openPlanned(FileChanges& changes, const FinishPlan::File& file, unsigned mode) {
    if (!file.write)
        return nullptr;
    FileChange::Options options;
    options.newFileMode = mode;
    options.reading = FileChange::Reading::Bytes;
    options.stamped = true;
    return &changes.open(file.document->path(), std::move(options));
}

// Whether the file is still the version the user agreed to replace.
bool asAgreed(const FileChange* change, const FinishPlan::File& file) {
    return change == nullptr || change->stamp() == file.expected;
}

// Asks about a file changed once more since its question; false at Cancel.
bool askAgain(QWidget* owner, FinishPlan::File& file, const FileStamp& now) {
    Document& document = *file.document;
    switch (askAboutChangedFile(owner, document.path(), Str::DesignFileChanged)) {
    case ChangedAnswer::Overwrite:
        file.expected = now;
        return true;
    case ChangedAnswer::Reload:
        // A configuration file is never read back: it is left as it is.
        file.write = false;
        if (document.kind() != DocumentKind::Configuration)
            document.read(owner);
        return true;
    case ChangedAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace

std::optional<FinishPlan> checkFinishWrites(QWidget* owner, WizardState& state) {
    FinishPlan plan;
    if (!checkFile(owner, state.configuration, plan.configuration) ||
        !checkFile(owner, state.mountPoints, plan.mountPoints))
        return std::nullopt;
    // An empty list is not written, so its file needs no check.
    if (!state.users.lines().empty() && !checkFile(owner, state.users, plan.users))
        return std::nullopt;
    if (!state.addresses.lines().empty() && !checkFile(owner, state.addresses, plan.addresses))
        return std::nullopt;
    if (state.design.startAtLaunch) {
        // The startup list is read and written back whole to add its line.
        Document startup(DocumentKind::StartupList);
        startup.open(kStartupListName);
        startup.read(owner);
        if (!mayChange(owner, startup))
            return std::nullopt;
        plan.startupLine = true;
    }
    return plan;
}

bool writeFinishFiles(QWidget* owner, WizardState& state, FinishPlan& plan) {
    const ServerDesign record = state.designToWrite();
    FinishPlan::File* files[] = {&plan.configuration, &plan.mountPoints, &plan.users,
                                 &plan.addresses};
    if (state.users.lines().empty())
        plan.users.write = false;
    if (state.addresses.lines().empty())
        plan.addresses.write = false;
    for (;;) {
        FileChanges changes;
        FileChange* opened[std::size(files)] = {};
        FinishPlan::File* changed = nullptr;
        FileStamp now;
        {
            const BusyCursor busy;
            for (std::size_t i = 0; i < std::size(files) && changed == nullptr; ++i) {
                opened[i] = openPlanned(changes, *files[i],
                                        files[i] == &plan.users ? kUserFileMode : kDefaultFileMode);
                if (!asAgreed(opened[i], *files[i])) {
                    changed = files[i];
                    now = opened[i]->stamp();
                }
            }
        }
        if (changed != nullptr) {
            changes = FileChanges(); // no lock is held while the user is asked
            if (!askAgain(owner, *changed, now))
                return false;
            continue;
        }
        const BusyCursor busy;
        if (opened[0] != nullptr)
            opened[0]->prepare(ConfigurationWith(opened[0]->bytes(), record));
        for (std::size_t i = 1; i < std::size(files); ++i)
            if (opened[i] != nullptr)
                opened[i]->prepare(LineListBytes(files[i]->document->lines()));
        if (plan.startupLine) {
            // A reading of it that lost content was asked about in the check.
            FileChange::Options options;
            options.consent.lossAccepted = true;
            FileChange& startup = changes.open(kStartupListName, std::move(options));
            if (const auto bytes = StartupListWith(startup, record.configFile))
                startup.prepare(*bytes);
        }
        changes.commit();
        for (std::size_t i = 0; i < std::size(files); ++i)
            if (opened[i] != nullptr)
                files[i]->document->written(opened[i]->stamp());
        break;
    }
    if (state.users.lines().empty())
        showNotice(owner, Str::UserFileEmpty);
    if (state.addresses.lines().empty())
        showNotice(owner, Str::AllowFileEmpty);
    return true;
}

} // namespace vantor
