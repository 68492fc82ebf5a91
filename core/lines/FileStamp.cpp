#include "core/lines/FileStamp.h"

#include "core/lines/FileLock.h"

#include <sys/stat.h>

namespace vantor {

FileStamp StampFrom(const struct stat& info) {
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

FileStamp StampOf(const std::string& fileName) {
    struct stat info {};
    if (fileName.empty() || ::stat(fileName.c_str(), &info) != 0)
        return {};
    return StampFrom(info);
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
