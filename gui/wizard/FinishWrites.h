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

// Every write of Finish, in one place, as one change of the configuration
// file, the mount point, user and allowed address lists and the startup
// list (FileChanges): every file is opened under its folder's lock, compared
// with the version the user agreed to, written and flushed beside itself,
// and only then are they all put in place, so that a failure on the way
// leaves every file as it was. An empty user or address list is not written
// but noted. A file changed once more since its question is asked about
// again, with no lock held while the user thinks. False when the user
// cancelled there. FileError passes through.
bool writeFinishFiles(QWidget* owner, WizardState& state, FinishPlan& plan);

} // namespace vantor
