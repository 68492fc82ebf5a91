#include "core/lines/WholeFile.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vantor {

namespace {

// A link is replaced through to its target, so the link itself survives.
std::string resolvedTarget(const std::string& fileName) {
    struct stat info {};
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return fileName;
    char* real = ::realpath(fileName.c_str(), nullptr);
    if (real == nullptr)
        return fileName;
    std::string target = real;
    std::free(real);
    return target;
}

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
// the start. The name is short and fixed apart from its random part, so a
// target name near the file system's limit still has room for it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string folder) : folder_(std::move(folder)) {}
    ~TemporaryFile() { discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // False with errno set when no unnamed file can be made.
    bool openUnnamed(mode_t mode) {
        const int fd = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0)
            fd_ = std::make_unique<FileDescriptor>(fd);
        return fd >= 0;
    }

    bool openNamed() {
        discard();
        std::string pattern = JoinPath(folder_, ".vantor-XXXXXX");
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
            std::string path = JoinPath(folder_, ".vantor-" + randomPart());
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
    static std::string randomPart() {
        static constexpr char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::random_device random;
        std::string part;
        for (int i = 0; i < 6; ++i)
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

} // namespace

std::string ReadWholeFile(const std::string& fileName) {
    if (fileName.empty())
        throw FileError(fileName, ENOENT);
    FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw FileError(fileName, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throw FileError(fileName, errno);
    if (S_ISDIR(info.st_mode))
        throw FileError(fileName, EISDIR);
    // Read straight into the result, one byte more than the file's size, so
    // the end shows without the string growing; a file that grows meanwhile,
    // or reports no size, is read on in steps.
    std::string bytes(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + 65536);
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got == 0) {
            bytes.resize(filled);
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
    const std::string target = resolvedTarget(fileName);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError(fileName, EISDIR);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw FileError(fileName, errno);

    const std::string folder = DirectoryName(target);
    const mode_t mode = exists ? (existing.st_mode & 07777)
                               : (static_cast<mode_t>(newFileMode) & ~currentUmask() & 07777);
    TemporaryFile temporary(folder);
    const auto fill = [&] {
        const int fd = temporary.fd().get();
        // Keeping the owner needs the right to give files away; without it the
        // file becomes the writer's, as it would with any editor that saves this way.
        if (exists)
            (void)!::fchown(fd, existing.st_uid, existing.st_gid);
        if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0)
            throw FileError(fileName, errno);
    };
    bool named = false;
    if (temporary.openUnnamed(mode)) {
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
