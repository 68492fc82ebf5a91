#pragma once

#include "core/lines/Errors.h"

#include <chrono>
#include <string>

namespace vantor {

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
// be opened or read.
class OpenedFolder;

class FolderLock {
public:
    explicit FolderLock(const std::string& fileName, std::chrono::milliseconds wait = kLockWait);
    // The lock of a folder already opened, for work on `fileName`.
    FolderLock(const OpenedFolder& folder, const std::string& fileName,
               std::chrono::milliseconds wait = kLockWait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    struct Held; // one per folder this process holds locked

    // A descriptor of the locked folder that reads it: to list it and to
    // flush its entries to the disk.
    int descriptor() const;

private:
    Held* held_ = nullptr;
};

} // namespace vantor
