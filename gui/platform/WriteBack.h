#pragma once

#include "core/lines/FileStamp.h"
#include "texts/Strings.h"

#include <functional>
#include <string>

class QWidget;

namespace vantor {

enum class WriteBack {
    Written,   // the file held what was read, or the user chose to overwrite it
    Reload,    // the user chose to read the file again instead
    Cancelled, // nothing was written
};

// The write of a dialog that holds a file's content between reading and
// writing it. Under the folder lock, when the file is still as `read` says,
// runs `write` and sets `read` to the file written. When another program
// changed it meanwhile, asks `question` (its %1 the file) whether to
// overwrite that change, to reload the file, or to cancel; the question is
// asked without holding the lock, so the other program is not kept waiting,
// and an overwrite replaces the version the user was told about, asking again
// if the file changed once more. FileError and FileBusy pass through to the
// action boundary. The busy cursor shows while the lock is waited for.
WriteBack writeBackChecked(QWidget* owner, const std::string& fileName, FileStamp& read,
                           const std::function<void()>& write, Str question);

// The question of a file another program changed: overwrite, reload, or
// cancel (nothing).
enum class ChangedAnswer { Overwrite, Reload, Cancel };
ChangedAnswer askAboutChangedFile(QWidget* owner, const std::string& fileName, Str question);

} // namespace vantor
