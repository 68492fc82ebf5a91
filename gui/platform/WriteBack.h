#pragma once

#include "core/lines/FileStamp.h"

#include <functional>
#include <string>

class QWidget;

namespace vantor {

enum class WriteBack {
    Written,   // the file held what was read, or the user chose to overwrite it
    Reload,    // the user chose to read the file again instead
    Cancelled, // nothing was written
};

// The write of an editor that holds a file's content between reading and
// writing it. Under the folder lock, when the file is still as `read` says,
// runs `write` and sets `read` to the file written. When another program
// changed it meanwhile, asks whether to overwrite that change, to reload the
// file, or to cancel; the question is asked without holding the lock, so the
// other program is not kept waiting, and an overwrite replaces the version the
// user was told about, asking again if the file changed once more. FileError
// and FileBusy pass through to the action boundary.
WriteBack writeBackChecked(QWidget* owner, const std::string& fileName, FileStamp& read,
                           const std::function<void()>& write);

} // namespace vantor
