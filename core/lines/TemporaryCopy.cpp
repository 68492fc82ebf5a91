#include "core/lines/TemporaryCopy.h"

#include "core/lines/Errors.h"
#include "core/lines/OpenedFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace vantor {

namespace {

constexpr std::size_t kRandomLength = 6;

std::string prefixFor(const std::string& targetName) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : targetName)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash));
    return std::string(".vantor-") + digits + "-";
}

std::string randomPart() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string part;
    for (std::size_t i = 0; i < kRandomLength; ++i)
        part += kLetters[random() % (sizeof kLetters - 1)];
    return part;
}

// File systems without unnamed files refuse them with one of these.
bool unnamedUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = System().write(fd, bytes.data(), bytes.size());
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

TemporaryCopy::TemporaryCopy(const OpenedFolder& folder, const std::string& targetName)
    : folder_(folder.fd()), prefix_(prefixFor(targetName)) {}

TemporaryCopy::~TemporaryCopy() {
    discard();
}

void TemporaryCopy::removeLeftovers(int readable) const {
    const int listing = System().openat(readable, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (listing < 0)
        return;
    DIR* folder = ::fdopendir(listing);
    if (folder == nullptr) {
        System().close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix_.size() + kRandomLength && name.starts_with(prefix_))
            System().unlinkat(folder_, entry->d_name, 0);
    }
    ::closedir(folder);
}

bool TemporaryCopy::openUnnamed() {
    fd_ = Descriptor(System().openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    return fd_.valid();
}

bool TemporaryCopy::openNamed() {
    discard();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix_ + randomPart();
        fd_ = Descriptor(System().openat(
            folder_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd_.valid()) {
            name_ = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Linking through the /proc entry needs no privilege; where it fails the
// caller falls back to a named file.
bool TemporaryCopy::giveName() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix_ + randomPart();
        if (System().linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            name_ = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

void TemporaryCopy::make(const std::string& fileName, std::string_view bytes,
                         const std::function<void(int)>& setAccess) {
    const auto fill = [&] {
        setAccess(fd_.get());
        if (!writeAll(fd_.get(), bytes) || System().fsync(fd_.get()) != 0)
            throw FileError(fileName, errno);
    };
    if (openUnnamed()) {
        fill();
        if (giveName())
            return;
    } else if (!unnamedUnsupported(errno)) {
        throw FileError(fileName, errno);
    }
    if (!openNamed())
        throw FileError(fileName, errno);
    fill();
}

struct stat TemporaryCopy::replace(const std::string& targetName, const std::string& fileName) {
    struct stat status {};
    if (System().fstat(fd_.get(), &status) != 0)
        throw FileError(fileName, errno);
    if (System().renameat(folder_, name_.c_str(), folder_, targetName.c_str()) != 0)
        throw FileError(fileName, errno);
    name_.clear();
    // The rename changes the file's change time. Once it is done the change
    // has happened, and nothing after it is reported as a failure of it: the
    // status from before stands in where the new one cannot be had, and the
    // content was flushed before, so a late error of the close says nothing new.
    struct stat renamed {};
    if (System().fstat(fd_.get(), &renamed) == 0)
        status = renamed;
    fd_.reset();
    return status;
}

void TemporaryCopy::discard() {
    fd_.reset();
    if (!name_.empty())
        System().unlinkat(folder_, name_.c_str(), 0);
    name_.clear();
}

} // namespace vantor
