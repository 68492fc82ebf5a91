#pragma once

#include "core/lines/FileStamp.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vantor {

class Document;
struct WizardState;

// What Finish writes: the configuration file's keys, the mount point, user
// and allowed address lists, the startup list line. Each file to replace is
// checked before anything is written, and the version the user agreed to
// replace is compared again under the lock as it is written.
struct FinishPlan {
    struct File {
        Document* document = nullptr;
        bool write = false; // false: nothing to write, or reloaded instead
        FileStamp expected; // the version the write may replace
    };
    File configuration;
    File mountPoints;
    File users;
    File addresses;
    bool startupLine = false;
};

// Asks every question before a file is written (a file read in part, one this
// run did not read, one another program changed since, another server's
// configuration); nothing when the user said no or cancelled, and nothing is
// written then. One status call per file. FileError when a file's reading
// failed, InvalidInput when the startup line would break its file.
std::optional<FinishPlan> checkFinishWrites(QWidget* owner, WizardState& state);

// Every write of Finish, in one place, in the order configuration file,
// mount points, users, addresses, startup list. An empty user or address list
// is not written but noted. `written` names each file as it is written, so
// that a failure on the way can say what was. False when the user cancelled
// at a file changed once more since the question. FileError passes through.
bool writeFinishFiles(QWidget* owner, WizardState& state, FinishPlan& plan,
                      std::vector<std::string>& written);

} // namespace vantor
