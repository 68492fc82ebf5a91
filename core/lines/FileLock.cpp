#include "core/lines/FileLock.h"

#include "core/lines/OpenedFolder.h"

#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vantor {

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

// A blocking flock lets the kernel hand the lock over the moment it is free,
// so writers follow each other without a gap and a waiting one gets its turn.
// Polling would leave gaps, and a writer that lets go and comes straight back
// would keep winning until the others give up. Blocking has no time bound,
// though, so the blocking call runs in a thread of its own that the caller
// waits for at most `wait`; a waiter given up on keeps the descriptor and
// closes it, letting go of the lock, once it gets it.
struct Waiter {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    int error = 0;
};

constexpr int kGivenUp = -1;

void blockUntilLocked(const std::shared_ptr<Waiter>& waiter, int descriptor) {
    int result = 0;
    while ((result = System().flock(descriptor, LOCK_EX)) != 0 && errno == EINTR) {
    }
    const int error = result == 0 ? 0 : errno;
    const std::lock_guard hold(waiter->mutex);
    if (waiter->abandoned) {
        System().close(descriptor);
        return;
    }
    waiter->error = error;
    waiter->finished = true;
    waiter->done.notify_one();
}

// 0 once `descriptor` holds the lock; kGivenUp after `wait` without it, when
// the descriptor is no longer the caller's; otherwise the error number.
int lockWithin(int descriptor, std::chrono::milliseconds wait) {
    if (System().flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        return 0;
    if (errno != EWOULDBLOCK && errno != EINTR)
        return errno;
    auto waiter = std::make_shared<Waiter>();
    try {
        std::thread(blockUntilLocked, waiter, descriptor).detach();
    } catch (const std::system_error& failure) {
        return failure.code().value(); // no thread to spare: EAGAIN
    }
    std::unique_lock hold(waiter->mutex);
    if (waiter->done.wait_for(hold, wait, [&] { return waiter->finished; }))
        return waiter->error;
    waiter->abandoned = true;
    return kGivenUp;
}

} // namespace

FolderLock::FolderLock(const std::string& fileName, std::chrono::milliseconds wait)
    // The folder where the content lives: writers that reach one file through
    // a link and by its own name must meet at one lock.
    : FolderLock(LocateFile(fileName).folder, fileName, wait) {}

FolderLock::FolderLock(const OpenedFolder& folder, const std::string& fileName,
                       std::chrono::milliseconds wait) {
    const struct stat& info = folder.status();
    for (Held* held : heldLocks()) {
        if (held->process == ::getpid() && held->device == info.st_dev &&
            held->inode == info.st_ino) {
            ++held->depth;
            held_ = held;
            return;
        }
    }
    Descriptor descriptor = folder.openForReading(fileName);
    switch (const int error = lockWithin(descriptor.get(), wait)) {
    case 0:
        break;
    case kGivenUp:
        (void)descriptor.release(); // the waiting thread closes it
        throw FileBusy(fileName);
    default:
        throw FileError(fileName, error);
    }
    held_ = new Held{::getpid(), info.st_dev, info.st_ino, descriptor.release(), 1};
    heldLocks().push_back(held_);
}

int FolderLock::descriptor() const {
    return held_->descriptor;
}

FolderLock::~FolderLock() {
    if (--held_->depth > 0)
        return;
    auto& locks = heldLocks();
    std::erase(locks, held_);
    System().close(held_->descriptor); // closing the only descriptor releases the lock
    delete held_;
}

} // namespace vantor
