#include "core/lines/WholeFile.h"

#include "core/lines/FileAccess.h"
#include "core/lines/FileLock.h"
#include "core/lines/FileStamp.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vantor {

namespace {

constexpr const char* kTooLarge = "it is larger than any definition file (64 MiB)";

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The bytes go to a file in the target's folder that takes the target's place
// in one rename. Where the file system allows, that file has no name while it
// is written, so a process killed mid-write leaves no copy of the content
// behind; it gets its name only once it is whole. Elsewhere it is named from
// the start. Either way a kill can leave a named copy, so the name tells whose
// copy it is: ".vantor-", eight hexadecimal digits of a hash of the target's
// name, "-" and a random part. It is short and of fixed length, so a target
// name near the file system's limit still has room for it.
class TemporaryFile {
public:
    TemporaryFile(std::string folder, const std::string& targetName)
        : folder_(std::move(folder)), prefix_(PrefixFor(targetName)) {}
    ~TemporaryFile() { discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    static std::string PrefixFor(const std::string& targetName) {
        std::uint32_t hash = 2166136261u; // FNV-1a
        for (const char c : targetName)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash));
        return std::string(".vantor-") + digits + "-";
    }

    // Removes the copies that writers of the same target left when they were
    // killed. Only under the folder lock: then no such copy is in progress.
    void removeLeftovers() const {
        DIR* folder = ::opendir(folder_.c_str());
        if (folder == nullptr)
            return;
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name.size() == prefix_.size() + kRandomLength && name.starts_with(prefix_))
                ::unlinkat(::dirfd(folder), entry->d_name, 0);
        }
        ::closedir(folder);
    }

    // False with errno set when no unnamed file can be made.
    bool openUnnamed() {
        const int fd = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0)
            fd_ = std::make_unique<FileDescriptor>(fd);
        return fd >= 0;
    }

    bool openNamed() {
        discard();
        std::string pattern = JoinPath(folder_, prefix_ + std::string(kRandomLength, 'X'));
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) {
            fd_ = std::make_unique<FileDescriptor>(fd);
            path_ = name.data();
        }
        return fd >= 0;
    }

    // Linking through the /proc entry needs no privilege; where it fails the
    // caller falls back to a named file.
    bool giveName() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_->get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string path = JoinPath(folder_, prefix_ + randomPart());
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                path_ = std::move(path);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    FileDescriptor& fd() { return *fd_; }
    const std::string& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    static constexpr std::size_t kRandomLength = 6;

    static std::string randomPart() {
        static constexpr char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::random_device random;
        std::string part;
        for (std::size_t i = 0; i < kRandomLength; ++i)
            part += kLetters[random() % (sizeof kLetters - 1)];
        return part;
    }

    void discard() {
        fd_.reset();
        if (!path_.empty())
            ::unlink(path_.c_str());
        path_.clear();
    }

    std::string folder_;
    std::string prefix_;
    std::unique_ptr<FileDescriptor> fd_;
    std::string path_;
};

// File systems without unnamed files refuse them with one of these.
bool unnamedUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Only a regular file of a plausible size is a definition file. A pipe would
// hold the reader forever, a device such as /dev/zero never ends, and a huge
// file would exhaust the memory it is read into.
void refuseUnlikeADefinitionFile(const std::string& fileName, const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        throw FileError(fileName, EISDIR);
    if (!S_ISREG(info.st_mode))
        throw FileError(fileName, "it is not a regular file (a pipe, a device or a socket)");
    if (info.st_size > kMaxDefinitionFileSize)
        throw FileError(fileName, kTooLarge);
}

} // namespace

std::string FollowedPath(const std::string& fileName) {
    struct stat link {};
    if (::lstat(fileName.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return fileName;
    // The kernel's rule for shared folders such as /tmp, kept also where the
    // system does not enforce it: in a folder that everyone may write to and
    // that keeps each entry to its owner (sticky), anyone may have planted a
    // link, so one is followed only when it belongs to the follower or to the
    // folder's owner.
    struct stat folder {};
    if (::stat(DirectoryName(fileName).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) != 0 &&
        (folder.st_mode & S_IWOTH) != 0 && link.st_uid != ::geteuid() &&
        link.st_uid != folder.st_uid)
        throw FileError(fileName, EACCES);
    char* real = ::realpath(fileName.c_str(), nullptr);
    if (real == nullptr)
        throw FileError(fileName, errno); // a dangling link names no file
    std::string target = real;
    std::free(real);
    return target;
}

std::string ReadWholeFile(const std::string& fileName, FileStamp* stamp) {
    if (fileName.empty())
        throw FileError(fileName, ENOENT);
    const std::string path = FollowedPath(fileName);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw FileError(fileName, errno);
    refuseUnlikeADefinitionFile(fileName, info);
    // Not blocking, in case a pipe took the file's place since.
    FileDescriptor file(
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0)
        throw FileError(fileName, errno);
    if (::fstat(file.get(), &info) != 0)
        throw FileError(fileName, errno);
    refuseUnlikeADefinitionFile(fileName, info);
    // Read straight into the result, one byte more than the file's size, so
    // the end shows without the string growing; a file that grows meanwhile,
    // or reports no size, is read on in steps.
    std::string bytes(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > static_cast<std::size_t>(kMaxDefinitionFileSize))
                throw FileError(fileName, kTooLarge);
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got == 0) {
            bytes.resize(filled);
            if (stamp != nullptr)
                *stamp = StampFrom(info); // taken before the read: a change since shows
            return bytes;
        }
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(fileName, errno);
        }
        filled += static_cast<std::size_t>(got);
    }
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode) {
    if (fileName.empty())
        throw FileError(fileName, ENOENT);
    // Free when the caller already holds it for its read-change-write.
    const FolderLock lock(fileName);
    // A link is replaced through to its target, so the link itself survives.
    const std::string target = FollowedPath(fileName);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists)
        refuseUnlikeADefinitionFile(fileName, existing);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw FileError(fileName, errno);

    const std::string folder = DirectoryName(target);
    TemporaryFile temporary(folder, BaseName(target));
    temporary.removeLeftovers();
    const auto fill = [&] {
        const int fd = temporary.fd().get();
        if (exists)
            CarryOverAccess(fd, fileName, target, existing);
        else if (::fchmod(fd, static_cast<mode_t>(newFileMode) & ~currentUmask() & 07777) != 0)
            throw FileError(fileName, errno);
        if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
            throw FileError(fileName, errno);
    };
    bool named = false;
    if (temporary.openUnnamed()) {
        fill();
        named = temporary.giveName();
    } else if (!unnamedUnsupported(errno)) {
        throw FileError(fileName, errno);
    }
    if (!named) {
        if (!temporary.openNamed())
            throw FileError(fileName, errno);
        fill();
    }
    if (!temporary.fd().close())
        throw FileError(fileName, errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        throw FileError(fileName, errno);
    temporary.keep();

    // The rename itself reaches the disk only with the folder's entry.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

} // namespace vantor
