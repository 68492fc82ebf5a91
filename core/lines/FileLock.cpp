#include "core/lines/FileLock.h"

#include "core/lines/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vantor {

FileBusy::FileBusy(const std::string& fileName)
    : FileError(fileName, "another program is changing the file") {}

// One entry per folder this process holds locked, found by device and inode
// so that two spellings of one folder share it. The program has one thread;
// a forked child inherits the list but not the right to skip the lock.
struct FolderLock::Held {
    pid_t process;
    dev_t device;
    ino_t inode;
    int descriptor;
    int depth;
};

namespace {

std::vector<FolderLock::Held*>& heldLocks() {
    static std::vector<FolderLock::Held*> locks;
    return locks;
}

} // namespace

FolderLock::FolderLock(const std::string& fileName, std::chrono::milliseconds wait) {
    const std::string folder = DirectoryName(fileName);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw FileError(fileName, errno);
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw FileError(fileName, error);
    }
    for (Held* held : heldLocks()) {
        if (held->process == ::getpid() && held->device == info.st_dev &&
            held->inode == info.st_ino) {
            ::close(descriptor);
            ++held->depth;
            held_ = held;
            return;
        }
    }
    // Polled rather than blocking, so the wait has a bound without signals;
    // the pause grows from a fraction of a millisecond, since most holders
    // finish one small rewrite within a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::microseconds(200);
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK) {
            ::close(descriptor);
            throw FileError(fileName, error);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(descriptor);
            throw FileBusy(fileName);
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(5000));
    }
    held_ = new Held{::getpid(), info.st_dev, info.st_ino, descriptor, 1};
    heldLocks().push_back(held_);
}

FolderLock::~FolderLock() {
    if (--held_->depth > 0)
        return;
    auto& locks = heldLocks();
    std::erase(locks, held_);
    ::close(held_->descriptor); // closing the only descriptor releases the lock
    delete held_;
}

} // namespace vantor
