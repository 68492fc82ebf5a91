#pragma once

#include "core/lines/Errors.h"
#include "core/lines/FileLock.h"
#include "core/lines/FileStamp.h"
#include "core/lines/OpenedFolder.h"
#include "core/lines/TextLineList.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace vantor {

class TemporaryCopy;

// What a caller says of writing back a file whose reading lost content (a
// byte 0x1A before its end, a line longer than the readers take): by default
// it is refused, since the write would drop what the readers did not take.
struct WriteConsent {
    bool lossAccepted = false;
    // Told of every loss accepted, so that the caller can say what was dropped.
    std::function<void(const std::string& fileName, const ReadingLoss& loss)> lossTold;
};

inline constexpr unsigned kDefaultFileMode = 0666;

// A definition file opened for a change, the one way the core writes a file.
// Its folder is opened once (OpenedFolder: no planted link followed on the
// way), its lock taken, and the file opened and read under the lock; its
// existence, type and size come from one status of the opened descriptor, and
// only ENOENT means that there is no file. The new content goes into a copy in
// the same folder, is flushed to disk, and takes the file's place in one
// rename relative to the folder, which is flushed too: whatever happens to the
// path meanwhile, what was checked is what is written.
//
// A write is refused, with nothing written, for a file that another user
// planted in a shared folder, a file with other names (hard links), content
// larger than the readers take, a file whose reading lost content (unless the
// caller consents), a file marked unchangeable or append-only, and a rewrite
// that would change the file's owner or widen its access (FileAccess.h).
class FileChange {
public:
    enum class Reading {
        Lines,     // the content, for a change of the lines the readers take from it
        Bytes,     // the content, for a change that keeps every other byte
        StatusOnly // the file is replaced whole; only its status is needed
    };
    struct Options {
        unsigned newFileMode = kDefaultFileMode; // less the umask, for a new file
        Reading reading = Reading::Lines;
        WriteConsent consent;
        std::chrono::milliseconds wait = kLockWait;
        // Whether stamp() is wanted, for an editor that checks the file
        // before it writes again: its hash costs a pass over the content.
        bool stamped = false;
    };

    explicit FileChange(const std::string& fileName);
    FileChange(const std::string& fileName, Options options);
    ~FileChange();
    FileChange(const FileChange&) = delete;
    FileChange& operator=(const FileChange&) = delete;

    const std::string& fileName() const { return fileName_; }
    bool exists() const { return exists_; }
    const std::string& bytes() const { return bytes_; }
    const ReadingLoss& loss() const { return loss_; }
    // Of the file as read; once committed, of the file written. Without
    // Options::stamped its hash is 0.
    const FileStamp& stamp() const { return stamp_; }
    const struct stat& status() const { return status_; }

    // Writes `bytes` into the copy and flushes it; the file is not touched
    // yet. Raises FileError, with nothing changed, when the write is refused
    // or fails.
    void prepare(std::string_view bytes);
    bool prepared() const;
    // Puts the prepared copy in the file's place and flushes the folder. A
    // failed flush raises FileError (NotDurable) after the file was replaced.
    void commit();
    void write(std::string_view bytes) {
        prepare(bytes);
        commit();
    }

private:
    friend class FileChanges;
    void rename();
    void flushFolder();
    void refuseWrite(std::string_view bytes) const;
    int folderDescriptor() const { return lock_->descriptor(); }

    std::string fileName_;
    Options options_;
    FileLocation location_;
    std::optional<FolderLock> lock_;
    Descriptor file_; // the file as read, for its attributes
    bool exists_ = false;
    struct stat status_ {};
    std::string bytes_;
    ReadingLoss loss_;
    FileStamp stamp_;
    std::unique_ptr<TemporaryCopy> copy_;
    std::uint64_t writtenHash_ = 0;
};

// The options of a change of a line file, with the caller's consent.
FileChange::Options LineFileChange(const WriteConsent& consent);
// The list a reading of a line file opened for a change gives.
TextLineList ListRead(const FileChange& file);

// Several definition files changed together or not at all: each change is
// prepared (written and flushed beside its file) before the first is put in
// place, so a failure before that leaves every file as it was. A rename
// failing after others were done (which almost never happens) raises
// FileError (PartlyChanged) naming the files already replaced.
class FileChanges {
public:
    // Opens the file for the change as FileChange does; the changes are put in
    // place in the order they were opened.
    FileChange& open(const std::string& fileName, FileChange::Options options = {});
    // Puts every prepared change in place; unprepared ones stay as they are.
    void commit();

private:
    std::vector<std::unique_ptr<FileChange>> changes_;
};

} // namespace vantor
