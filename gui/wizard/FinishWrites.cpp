#include "gui/wizard/FinishWrites.h"

#include "core/server/ConfigurationFile.h"
#include "gui/documents/DocumentWrites.h"
#include "gui/documents/WizardState.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/Messages.h"

#include <functional>

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

bool writeFile(QWidget* owner, FinishPlan::File& file, const std::function<void()>& write,
               std::vector<std::string>& written) {
    if (!file.write)
        return true;
    Document& document = *file.document;
    switch (
        writeBackChecked(owner, document.path(), file.expected, write, Str::DesignFileChanged)) {
    case WriteBack::Written:
        document.written(file.expected);
        written.push_back(document.path());
        return true;
    case WriteBack::Reload:
        // A configuration file is never read back: it is left as it is.
        if (document.kind() != DocumentKind::Configuration)
            document.read(owner);
        return true;
    case WriteBack::Cancelled:
        break;
    }
    return false;
}

std::function<void()> linesOf(const Document& document) {
    return [&document] { writeLines(document, document.lines()); };
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

bool writeFinishFiles(QWidget* owner, WizardState& state, FinishPlan& plan,
                      std::vector<std::string>& written) {
    const ServerDesign record = state.designToWrite();
    if (!writeFile(
            owner, plan.configuration, [&] { writeConfigurationFile(record); }, written) ||
        !writeFile(owner, plan.mountPoints, linesOf(state.mountPoints), written))
        return false;
    if (state.users.lines().empty())
        showNotice(owner, Str::UserFileEmpty);
    else if (!writeFile(owner, plan.users, linesOf(state.users), written))
        return false;
    if (state.addresses.lines().empty())
        showNotice(owner, Str::AllowFileEmpty);
    else if (!writeFile(owner, plan.addresses, linesOf(state.addresses), written))
        return false;
    if (plan.startupLine) {
        const BusyCursor busy;
        addToStartupList(record.configFile);
    }
    return true;
}

} // namespace vantor
