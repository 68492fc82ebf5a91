#include "core/lines/WholeFile.h"

#include "core/lines/OpenedFolder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>

namespace vantor {

namespace {

// Only a regular file of a plausible size is a definition file. A pipe would
// hold the reader forever, a device such as /dev/zero never ends, and a huge
// file would exhaust the memory it is read into.
void refuseUnlikeADefinitionFile(const std::string& fileName, const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        throw FileError(fileName, EISDIR);
    if (!S_ISREG(info.st_mode))
        throw FileError(fileName, FileFault::NotRegular);
    if (info.st_size > kMaxDefinitionFileSize)
        throw FileError(fileName, FileFault::TooLarge);
}

} // namespace

Descriptor OpenDefinitionFile(const FileLocation& location, const std::string& fileName,
                              struct stat& status) {
    if (!location.exists)
        return {};
    refuseUnlikeADefinitionFile(fileName, location.status);
    // Not blocking, in case a pipe took the file's place since, and not
    // following a link that took it.
    Descriptor file(System().openat(location.folder.fd(), location.name.c_str(),
                                    O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, 0));
    if (!file.valid()) {
        if (errno == ENOENT)
            return {}; // removed since it was looked up
        throw FileError(fileName, errno);
    }
    if (System().fstat(file.get(), &status) != 0)
        throw FileError(fileName, errno);
    refuseUnlikeADefinitionFile(fileName, status);
    return file;
}

std::string ReadOpenedFile(const Descriptor& file, const struct stat& status,
                           const std::string& fileName) {
    // Read straight into the result, one byte more than the file's size, so
    // the end shows without the string growing; a file that grows meanwhile,
    // or reports no size, is read on in steps.
    std::string bytes(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > static_cast<std::size_t>(kMaxDefinitionFileSize))
                throw FileError(fileName, FileFault::TooLarge);
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t got = System().read(file.get(), bytes.data() + filled, bytes.size() - filled);
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

namespace {

// A file in a folder that does not exist does not exist either.
std::optional<FileLocation> locateToRead(const std::string& fileName) {
    try {
        return LocateFile(fileName);
    } catch (const FileError& error) {
        if (error.fault() == FileFault::System && error.errorNumber() == ENOENT &&
            !fileName.empty())
            return std::nullopt;
        throw;
    }
}

} // namespace

FileContent ReadDefinitionFile(const std::string& fileName, bool stamped) {
    const std::optional<FileLocation> found = locateToRead(fileName);
    if (!found)
        return {};
    const FileLocation& location = *found;
    struct stat status {};
    const Descriptor file = OpenDefinitionFile(location, fileName, status);
    FileContent content;
    if (!file.valid())
        return content;
    content.exists = true;
    content.bytes = ReadOpenedFile(file, status, fileName);
    // The status taken before the read: a change since shows.
    if (stamped)
        content.stamp = StampFrom(status, content.bytes);
    return content;
}

std::string ReadWholeFile(const std::string& fileName, FileStamp* stamp) {
    FileContent content = ReadDefinitionFile(fileName, stamp != nullptr);
    if (!content.exists)
        throw FileError(fileName, ENOENT);
    if (stamp != nullptr)
        *stamp = content.stamp;
    return std::move(content.bytes);
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode) {
    FileChange::Options options;
    options.newFileMode = newFileMode;
    options.reading = FileChange::Reading::StatusOnly;
    FileChange(fileName, std::move(options)).write(bytes);
}

} // namespace vantor
