#include "core/lines/FileStamp.h"

#include "core/lines/FileLock.h"
#include "core/lines/WholeFile.h"

#include <sys/stat.h>
#include <xxhash.h>

namespace vantor {

std::uint64_t ContentHash(std::string_view content) {
    return XXH3_64bits(content.data(), content.size());
}

FileStamp StampFrom(const struct stat& info, std::string_view content) {
    return StampWithHash(info, ContentHash(content));
}

FileStamp StampWithHash(const struct stat& info, std::uint64_t contentHash) {
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec),
            static_cast<std::int64_t>(info.st_ctim.tv_sec),
            static_cast<std::int64_t>(info.st_ctim.tv_nsec),
            contentHash};
}

FileStamp StampOf(const std::string& fileName) {
    if (fileName.empty())
        return {};
    return ReadDefinitionFile(fileName, true).stamp;
}

FileStamp WriteAndStamp(const std::string& fileName, const std::function<void()>& write) {
    const FolderLock lock(fileName);
    write();
    return StampOf(fileName);
}

bool WriteIfUnchanged(const std::string& fileName, FileStamp& read,
                      const std::function<void()>& write, FileStamp& now) {
    const FolderLock lock(fileName);
    now = StampOf(fileName);
    if (now != read)
        return false;
    write();
    read = StampOf(fileName);
    return true;
}

} // namespace vantor
