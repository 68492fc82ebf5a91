#pragma once

#include "core/lines/TextLineList.h"

#include <chrono>
#include <string>

namespace vantor {

// Another program (a second wizard window, a vantor-admin call) holds the
// lock of the folder for longer than a writer waits. Nothing was written.
class FileBusy : public FileError {
public:
    explicit FileBusy(const std::string& fileName);
};

// How long a writer waits for another one before it gives up.
inline constexpr std::chrono::milliseconds kLockWait{5000};

// Holds, for its lifetime, the exclusive advisory lock (flock) of the folder
// that holds `fileName`, so that one read-change-write of a definition file
// never overlaps another's, in this process or any other. The folder is
// locked rather than the file because the atomic write renames a new file
// over the old one, and a lock on a file that is replaced protects nothing;
// the folder stays, no lock file is ever left behind or shown to the user,
// and a change that spans two files of one folder (an account and its
// addresses) takes one lock. For a symbolic link it is the folder of the
// link's target, where the content lives and the writes go. Readers take
// none: the rename gives them a whole file.
//
// Locks of one folder nest within a process: an inner lock of a folder that
// this process already holds costs nothing and releases nothing. Raises
// FileBusy after `wait` without the lock, FileError when the folder cannot
// be opened.
class FolderLock {
public:
    explicit FolderLock(const std::string& fileName, std::chrono::milliseconds wait = kLockWait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    struct Held; // one per folder this process holds locked

private:
    Held* held_ = nullptr;
};

} // namespace vantor
