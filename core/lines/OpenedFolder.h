#pragma once

#include "core/lines/Descriptor.h"

#include <string>
#include <sys/stat.h>

namespace vantor {

// A folder opened once, so that every later step of a file operation (the
// lock, reading, status, the temporary file, the rename, the flush, the
// sweep of leftovers) is taken relative to it and reaches the folder that was
// checked, whatever happens to the path meanwhile.
//
// The path is walked one component at a time. A symbolic link on the way is
// followed by hand, and in a folder that everyone may write to and that keeps
// each entry to its owner (sticky, such as /tmp) only when it belongs to the
// caller or to that folder's owner: anyone there may have planted it. The
// kernel applies this rule to the last component of a path alone; here it
// holds for every one.
class OpenedFolder {
public:
    // Raises FileError naming `fileName` (the file the work is for) when a
    // component is missing, not a folder, a planted link, or cannot be
    // searched. An empty path is the working folder.
    static OpenedFolder Open(const std::string& path, const std::string& fileName);
    // `path` taken from this folder, as a relative link target is. `linksLeft`
    // bounds the links followed on the whole way, as the kernel's limit does.
    OpenedFolder openFrom(const std::string& path, const std::string& fileName,
                          int& linksLeft) const;

    // Only for lookups and as the folder of *at calls; it cannot be read.
    int fd() const { return fd_.get(); }
    const struct stat& status() const { return status_; }
    // Writable by everyone and sticky: entries there may be another user's.
    bool shared() const;
    // Whether an entry of this folder owned by `owner` may be trusted: always,
    // unless the folder is shared and the entry belongs to neither the caller
    // nor the folder's owner.
    bool trusts(uid_t owner) const;

    // A descriptor of the folder that lists it and takes its lock; raises a
    // FileError (FolderUnreadable) naming `fileName` when the folder may be
    // searched but not read.
    Descriptor openForReading(const std::string& fileName) const;

private:
    OpenedFolder(Descriptor fd, const struct stat& status) : fd_(std::move(fd)), status_(status) {}
    static OpenedFolder walk(Descriptor start, const std::string& path, const std::string& fileName,
                             int& linksLeft);

    Descriptor fd_;
    struct stat status_ {};
};

// The longest chain of links a path may take, as the kernel counts it.
inline constexpr int kMaxLinksFollowed = 40;

// Where a file's content lives: its folder, opened, and its name there. A
// symbolic link is followed to its target by the same rules, so that a link
// stays a link and its target is what is read and written.
struct FileLocation {
    OpenedFolder folder;
    std::string name;
    bool exists = false;   // the name names an entry (no link: the target's entry)
    struct stat status {}; // of that entry, when it exists, not following links
};

// Raises FileError naming `fileName` for a folder that cannot be opened, a
// link planted by another user, a dangling link (DanglingLink) and any error
// but ENOENT in looking the name up. An empty name names no file.
FileLocation LocateFile(const std::string& fileName);

} // namespace vantor
