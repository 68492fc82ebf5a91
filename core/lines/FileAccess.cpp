#include "core/lines/FileAccess.h"

#include "core/lines/TextLineList.h"

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
std::vector<std::string> attributeNames(const std::string& fileName, const std::string& target) {
    std::string list;
    if (!fetch(
            [&](char* data, std::size_t size) { return ::listxattr(target.c_str(), data, size); },
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

[[noreturn]] void refuse(const std::string& fileName, const char* what) {
    throw FileError(fileName, std::string(what) + " can not be carried over to the new file, so "
                                                  "it was not written");
}

// Keeping the owner needs the right to give files away; a member of the
// file's group may still keep the group. The group bits then keep applying to
// the people they applied to. A group that changes matters when it gets any
// of those bits, or when the owner changed too: then neither is kept.
void keepOwnerOrGroup(int fd, const std::string& fileName, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return;
    (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        throw FileError(fileName, errno);
    if (now.st_gid != old.st_gid && (now.st_uid != old.st_uid || (old.st_mode & S_IRWXG) != 0))
        refuse(fileName, "its owner or group");
}

void copyAttribute(int fd, const std::string& fileName, const std::string& target,
                   const std::string& name) {
    std::string value;
    if (!fetch(
            [&](char* data, std::size_t size) {
                return ::getxattr(target.c_str(), name.c_str(), data, size);
            },
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
        refuse(fileName,
               name == kAccessList ? "its access control list" : "its extended attributes");
}

} // namespace

void CarryOverAccess(int fd, const std::string& fileName, const std::string& target,
                     const struct stat& old) {
    keepOwnerOrGroup(fd, fileName, old);
    const std::vector<std::string> names = attributeNames(fileName, target);
    bool hasList = false;
    for (const std::string& name : names)
        hasList = hasList || name == kAccessList;
    // A list inherited from the folder would grant what the old file did not.
    if (!hasList && ::fremovexattr(fd, kAccessList) != 0 && errno != ENODATA && errno != ENOTSUP)
        refuse(fileName, "its access control list");
    // The bits go first: a list set afterwards holds them all, while a change
    // of bits afterwards would change the list's mask.
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        throw FileError(fileName, errno);
    for (const std::string& name : names)
        copyAttribute(fd, fileName, target, name);
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        throw FileError(fileName, errno);
    if ((now.st_mode & 0777 & ~old.st_mode) != 0)
        refuse(fileName, "its permissions");
}

} // namespace vantor
