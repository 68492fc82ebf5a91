#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct stat;

namespace vantor {

// One version of a file as the file system tells it apart without reading it:
// which file it is (device and inode; every atomic write makes a new one), its
// size and the time of its last change to the nanosecond. A name that names
// nothing has the stamp of a missing file, so a file created meanwhile counts
// as a change too.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampFrom(const struct stat& info);
// What the name stands for now, a symbolic link followed.
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
