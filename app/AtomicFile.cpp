#include "app/AtomicFile.h"

#include "app/FileSystem.h"
#include "app/TextLineList.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantor {

namespace {

std::string folderOf(const std::string& path) {
    const auto cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? std::string(1, kPathSeparator) : path.substr(0, cut);
}

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

class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        std::string pattern = target + ".XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkstemp(name.data());
        if (fd_ >= 0)
            path_ = name.data();
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool opened() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void keep() { path_.clear(); }

private:
    int fd_ = -1;
    std::string path_;
};

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

void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode) {
    if (fileName.empty())
        throw FileError(fileName, "no file name given");
    const std::string target = resolvedTarget(fileName);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError(fileName, "is a folder, not a file");

    TemporaryFile temporary(target);
    if (!temporary.opened())
        throw FileError(fileName, std::strerror(errno));
    const mode_t mode = exists ? (existing.st_mode & 07777)
                               : (static_cast<mode_t>(newFileMode) & ~currentUmask() & 07777);
    if (::fchmod(temporary.fd(), mode) != 0 || !writeAll(temporary.fd(), bytes) ||
        ::fsync(temporary.fd()) != 0) {
        const int error = errno;
        throw FileError(fileName, std::strerror(error));
    }
    if (!temporary.close())
        throw FileError(fileName, std::strerror(errno));
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        throw FileError(fileName, std::strerror(errno));
    temporary.keep();

    // The rename itself reaches the disk only with the folder's entry.
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace vantor
