#include "core/lines/FileAccess.h"

#include "core/lines/Errors.h"
#include "core/lines/SystemCalls.h"

#include <cerrno>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace vantor {

namespace {

// The access control list, stored as an extended attribute. A new file may
// get one of its own from its folder's default list.
constexpr const char* kAccessList = "system.posix_acl_access";

// Calls `get(buffer, size)`, of the getxattr kind that tells the size it needs
// when given none, until the value fits. False with errno set.
template <typename Get> bool fetch(Get get, std::string& value) {
    for (;;) {
        const ssize_t needed = get(nullptr, 0);
        if (needed < 0)
            return false;
        value.resize(static_cast<std::size_t>(needed));
        const ssize_t got = get(value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

// The attribute names of the old file; none where the file system keeps none.
std::vector<std::string> attributeNames(int oldFd, const std::string& fileName) {
    std::string list;
    if (!fetch([&](char* data, std::size_t size) { return ::flistxattr(oldFd, data, size); },
               list)) {
        if (errno == ENOTSUP)
            return {};
        throw FileError(fileName, errno);
    }
    std::vector<std::string> names;
    for (std::size_t from = 0; from < list.size();) {
        const std::size_t end = list.find('\0', from);
        names.emplace_back(list, from, end - from);
        from = end == std::string::npos ? list.size() : end + 1;
    }
    return names;
}

// The owner stays: only the owner or the administrator may write a file
// anew that keeps its owner, and a file that changed hands might no longer
// be readable by the account that uses it (the server's own). The group may
// change only where it grants nothing.
void keepOwnerAndGroup(int fd, const struct stat& old, const std::string& fileName) {
    if (System().fchown(fd, old.st_uid, old.st_gid) == 0)
        return;
    struct stat now {};
    if (System().fstat(fd, &now) != 0)
        throw FileError(fileName, errno);
    if (now.st_uid != old.st_uid)
        throw FileError::ownerChange(fileName, old.st_uid, now.st_uid);
    if (now.st_gid != old.st_gid && (old.st_mode & S_IRWXG) != 0)
        throw FileError::accessNotKept(fileName, AccessPart::Group);
}

void copyAttribute(int fd, int oldFd, const std::string& name, const std::string& fileName) {
    std::string value;
    if (!fetch([&](char* data,
                   std::size_t size) { return ::fgetxattr(oldFd, name.c_str(), data, size); },
               value)) {
        if (errno == ENODATA)
            return; // removed since it was listed
        throw FileError(fileName, errno);
    }
    if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0)
        return;
    // A label the system gives every new file may not be settable, yet already
    // be the same.
    std::string present;
    if (!fetch(
            [&](char* data, std::size_t size) { return ::fgetxattr(fd, name.c_str(), data, size); },
            present) ||
        present != value)
        throw FileError::accessNotKept(fileName, name == kAccessList ? AccessPart::AccessList
                                                                     : AccessPart::Attributes);
}

void dropInheritedList(int fd, const std::string& fileName) {
    if (::fremovexattr(fd, kAccessList) != 0 && errno != ENODATA && errno != ENOTSUP)
        throw FileError::accessNotKept(fileName, AccessPart::AccessList);
}

} // namespace

void CarryOverAccess(int fd, int oldFd, const struct stat& old, const std::string& fileName) {
    keepOwnerAndGroup(fd, old, fileName);
    const std::vector<std::string> names = attributeNames(oldFd, fileName);
    bool hasList = false;
    for (const std::string& name : names)
        hasList = hasList || name == kAccessList;
    // A list inherited from the folder would grant what the old file did not.
    if (!hasList)
        dropInheritedList(fd, fileName);
    // The bits go first: a list set afterwards holds them all, while a change
    // of bits afterwards would change the list's mask.
    if (System().fchmod(fd, old.st_mode & 07777) != 0)
        throw FileError(fileName, errno);
    for (const std::string& name : names)
        copyAttribute(fd, oldFd, name, fileName);
    struct stat now {};
    if (System().fstat(fd, &now) != 0)
        throw FileError(fileName, errno);
    if ((now.st_mode & 0777 & ~old.st_mode) != 0)
        throw FileError::accessNotKept(fileName, AccessPart::Permissions);
}

void SetNewFileAccess(int fd, unsigned mode, const std::string& fileName) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t bits = static_cast<mode_t>(mode) & ~mask & 07777;
    if ((bits & 077) == 0)
        dropInheritedList(fd, fileName);
    if (System().fchmod(fd, bits) != 0)
        throw FileError(fileName, errno);
}

} // namespace vantor
