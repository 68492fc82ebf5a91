#include "core/lines/OpenedFolder.h"

#include "core/lines/Errors.h"
#include "core/lines/FileSystem.h"

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <unistd.h>

namespace vantor {

namespace {

// A descriptor that only names an entry: opening it runs no device's code and
// needs no right to read, and a link opened so is the link itself.
int openEntry(int folder, const char* name) {
    return System().openat(folder, name, O_PATH | O_NOFOLLOW | O_CLOEXEC, 0);
}

struct stat statusOf(const Descriptor& fd, const std::string& fileName) {
    struct stat info {};
    if (System().fstat(fd.get(), &info) != 0)
        throw FileError(fileName, errno);
    return info;
}

// The target of a link: `name` in `folder`, or with an empty name the link
// that `folder` itself names.
std::string linkTarget(int folder, const char* name, const std::string& fileName) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = System().readlinkat(folder, name, target.data(), target.size());
        if (length < 0)
            throw FileError(fileName, errno);
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

void pushFront(std::deque<std::string>& pending, const std::string& path) {
    std::deque<std::string> components;
    std::size_t from = 0;
    while (from <= path.size()) {
        const std::size_t end = std::min(path.find(kPathSeparator, from), path.size());
        components.emplace_back(path, from, end - from);
        from = end + 1;
    }
    pending.insert(pending.begin(), components.begin(), components.end());
}

bool trustedIn(const struct stat& folder, uid_t owner) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || owner == ::geteuid() || owner == folder.st_uid;
}

Descriptor rootOrHere(bool root, const std::string& fileName) {
    Descriptor start(openEntry(AT_FDCWD, root ? "/" : "."));
    if (!start.valid())
        throw FileError(fileName, errno);
    return start;
}

} // namespace

OpenedFolder OpenedFolder::Open(const std::string& path, const std::string& fileName) {
    int linksLeft = kMaxLinksFollowed;
    const bool absolute = !path.empty() && path.front() == kPathSeparator;
    return walk(rootOrHere(absolute, fileName), path, fileName, linksLeft);
}

OpenedFolder OpenedFolder::openFrom(const std::string& path, const std::string& fileName,
                                    int& linksLeft) const {
    const bool absolute = !path.empty() && path.front() == kPathSeparator;
    if (absolute)
        return walk(rootOrHere(true, fileName), path, fileName, linksLeft);
    Descriptor start(openEntry(fd(), "."));
    if (!start.valid())
        throw FileError(fileName, errno);
    return walk(std::move(start), path, fileName, linksLeft);
}

OpenedFolder OpenedFolder::walk(Descriptor current, const std::string& path,
                                const std::string& fileName, int& linksLeft) {
    struct stat status = statusOf(current, fileName);
    std::deque<std::string> pending;
    pushFront(pending, path);
    while (!pending.empty()) {
        const std::string name = std::move(pending.front());
        pending.pop_front();
        if (name.empty() || name == ".")
            continue;
        Descriptor next(openEntry(current.get(), name.c_str()));
        if (!next.valid())
            throw FileError(fileName, errno);
        const struct stat entry = statusOf(next, fileName);
        if (S_ISLNK(entry.st_mode)) {
            if (!trustedIn(status, entry.st_uid))
                throw FileError(fileName, FileFault::PlantedLink);
            if (--linksLeft < 0)
                throw FileError(fileName, ELOOP);
            const std::string target = linkTarget(next.get(), "", fileName);
            pushFront(pending, target);
            if (!target.empty() && target.front() == kPathSeparator) {
                current = rootOrHere(true, fileName);
                status = statusOf(current, fileName);
            }
            continue;
        }
        if (!S_ISDIR(entry.st_mode))
            throw FileError(fileName, ENOTDIR);
        current = std::move(next);
        status = entry;
    }
    return OpenedFolder(std::move(current), status);
}

bool OpenedFolder::shared() const {
    return (status_.st_mode & S_ISVTX) != 0 && (status_.st_mode & S_IWOTH) != 0;
}

bool OpenedFolder::trusts(uid_t owner) const {
    return trustedIn(status_, owner);
}

Descriptor OpenedFolder::openForReading(const std::string& fileName) const {
    Descriptor folder(System().openat(fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!folder.valid()) {
        const int error = errno;
        if (error == EACCES)
            throw FileError(fileName, FileFault::FolderUnreadable, error);
        throw FileError(fileName, error);
    }
    return folder;
}

FileLocation LocateFile(const std::string& fileName) {
    if (fileName.empty())
        throw FileError(fileName, ENOENT);
    std::string name = BaseName(fileName);
    if (name.empty())
        throw FileError(fileName, EISDIR);
    FileLocation location{OpenedFolder::Open(DirectoryName(fileName), fileName), {}};
    int linksLeft = kMaxLinksFollowed;
    for (bool followed = false;; followed = true) {
        struct stat entry {};
        if (System().fstatat(location.folder.fd(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT)
                throw FileError(fileName, errno);
            // A link to nothing: writing through it would make a file
            // wherever it points.
            if (followed)
                throw FileError(fileName, FileFault::DanglingLink, ENOENT);
            location.name = std::move(name);
            return location;
        }
        if (!S_ISLNK(entry.st_mode)) {
            location.name = std::move(name);
            location.exists = true;
            location.status = entry;
            return location;
        }
        if (!location.folder.trusts(entry.st_uid))
            throw FileError(fileName, FileFault::PlantedLink);
        if (--linksLeft < 0)
            throw FileError(fileName, ELOOP);
        const std::string target = linkTarget(location.folder.fd(), name.c_str(), fileName);
        name = BaseName(target);
        if (name.empty())
            throw FileError(fileName, EISDIR);
        location.folder = location.folder.openFrom(DirectoryName(target), fileName, linksLeft);
    }
}

} // namespace vantor
