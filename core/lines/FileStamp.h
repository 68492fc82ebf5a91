#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct stat;

namespace vantor {

// One version of a file: which file it is (device and inode; every atomic
// write makes a new one), its size, the times of its last change of content
// and of status to the nanosecond, and a hash of the content read. The times
// alone can be set back (touch -r) or be too coarse to tell two quick writes
// apart, and a file system may give a new file the inode of a removed one;
// the change time cannot be set by hand and the hash tells the content. A
// name that names nothing has the stamp of a missing file, so a file created
// meanwhile counts as a change too.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;
    std::uint64_t contentHash = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of a file with that status and content.
FileStamp StampFrom(const struct stat& info, std::string_view content);
FileStamp StampWithHash(const struct stat& info, std::uint64_t contentHash);
std::uint64_t ContentHash(std::string_view content);
// What the name stands for now, a symbolic link followed: the file is read
// to hash its content. FileError as for reading it.
FileStamp StampOf(const std::string& fileName);

// Runs `write`, which writes the file, under the folder lock of `fileName` and
// returns the stamp of the file it left, taken before anyone else may write.
FileStamp WriteAndStamp(const std::string& fileName, const std::function<void()>& write);

// For an editor that keeps a file's content between reading and writing it.
// Under the folder lock: when the file is still as `read` says, runs `write`,
// sets `read` to the file written and returns true. Otherwise writes nothing,
// sets `now` to the file as it is and returns false. FileBusy, and whatever
// `write` raises, pass through with `read` unchanged.
bool WriteIfUnchanged(const std::string& fileName, FileStamp& read,
                      const std::function<void()>& write, FileStamp& now);

} // namespace vantor
