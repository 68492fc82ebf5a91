#include "core/lines/FileChange.h"

#include "core/lines/FileAccess.h"
#include "core/lines/TemporaryCopy.h"
#include "core/lines/TextLineList.h"
#include "core/lines/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace vantor {

namespace {

// The flags chattr sets; none where the file system keeps none.
int attributeFlags(int fd) {
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        return 0;
    return flags;
}

} // namespace

FileChange::FileChange(const std::string& fileName) : FileChange(fileName, Options{}) {}

FileChange::FileChange(const std::string& fileName, Options options)
    : fileName_(fileName), options_(std::move(options)), location_(LocateFile(fileName)) {
    // Under the lock the name is looked at again: a link may have taken the
    // file's place since, and then the lock to hold is its target's.
    for (int attempt = 0;; ++attempt) {
        lock_.emplace(location_.folder, fileName_, options_.wait);
        struct stat entry {};
        if (System().fstatat(location_.folder.fd(), location_.name.c_str(), &entry,
                             AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                throw FileError(fileName_, errno);
            location_.exists = false;
            break;
        }
        location_.exists = true;
        location_.status = entry;
        if (!S_ISLNK(entry.st_mode))
            break;
        if (attempt == 3)
            throw FileError(fileName_, ELOOP);
        lock_.reset();
        location_ = LocateFile(fileName_);
    }
    file_ = OpenDefinitionFile(location_, fileName_, status_);
    exists_ = file_.valid();
    if (!exists_)
        return;
    if (options_.reading != Reading::StatusOnly)
        bytes_ = ReadOpenedFile(file_, status_, fileName_);
    if (options_.reading == Reading::Lines)
        loss_ = FindReadingLoss(bytes_);
    stamp_ = StampWithHash(status_, options_.stamped ? ContentHash(bytes_) : 0);
}

FileChange::~FileChange() = default;

void FileChange::refuseWrite(std::string_view bytes) const {
    if (static_cast<std::int64_t>(bytes.size()) > kMaxDefinitionFileSize)
        throw FileError(fileName_, FileFault::TooLarge);
    if (!exists_)
        return;
    if (loss_) {
        if (!options_.consent.lossAccepted)
            throw FileError::readingLost(fileName_, loss_);
        if (options_.consent.lossTold)
            options_.consent.lossTold(fileName_, loss_);
    }
    // The kernel's rule for regular files in shared folders: another user's
    // file there is not written to, since whoever planted it can read it.
    if (!location_.folder.trusts(status_.st_uid))
        throw FileError(fileName_, FileFault::PlantedFile);
    if (status_.st_nlink > 1)
        throw FileError::hardLinks(fileName_, status_.st_nlink);
    const int flags = attributeFlags(file_.get());
    if ((flags & FS_IMMUTABLE_FL) != 0)
        throw FileError(fileName_, FileFault::Immutable, EPERM);
    if ((flags & FS_APPEND_FL) != 0)
        throw FileError(fileName_, FileFault::AppendOnly, EPERM);
    if (::faccessat(location_.folder.fd(), location_.name.c_str(), W_OK, AT_EACCESS) != 0)
        throw FileError(fileName_, errno);
}

void FileChange::prepare(std::string_view bytes) {
    refuseWrite(bytes);
    copy_.reset();
    auto copy = std::make_unique<TemporaryCopy>(location_.folder, location_.name);
    // Only under the lock: then no writer of this program is making one.
    copy->removeLeftovers(folderDescriptor());
    copy->make(fileName_, bytes, [&](int fd) {
        if (exists_)
            CarryOverAccess(fd, file_.get(), status_, fileName_);
        else
            SetNewFileAccess(fd, options_.newFileMode, fileName_);
    });
    writtenHash_ = options_.stamped ? ContentHash(bytes) : 0;
    copy_ = std::move(copy);
}

bool FileChange::prepared() const {
    return copy_ != nullptr;
}

void FileChange::rename() {
    status_ = copy_->replace(location_.name, fileName_);
    stamp_ = StampWithHash(status_, writtenHash_);
    copy_.reset();
    file_.reset();
    bytes_.clear();
    loss_ = {};
    exists_ = true;
}

void FileChange::flushFolder() {
    // The rename reaches the disk only with the folder's entry.
    if (System().fsync(folderDescriptor()) != 0)
        throw FileError(fileName_, FileFault::NotDurable, errno);
}

void FileChange::commit() {
    if (!prepared())
        return;
    rename();
    flushFolder();
}

FileChange::Options LineFileChange(const WriteConsent& consent) {
    FileChange::Options options;
    options.consent = consent;
    return options;
}

TextLineList ListRead(const FileChange& file) {
    TextLineList list;
    list.addLinePieces(file.bytes());
    return list;
}

FileChange& FileChanges::open(const std::string& fileName, FileChange::Options options) {
    changes_.push_back(std::make_unique<FileChange>(fileName, std::move(options)));
    return *changes_.back();
}

void FileChanges::commit() {
    std::vector<std::string> changed;
    std::vector<FileChange*> renamed;
    for (const auto& change : changes_) {
        if (!change->prepared())
            continue;
        try {
            change->rename();
        } catch (const FileError& error) {
            if (changed.empty())
                throw;
            throw FileError::partlyChanged(change->fileName(), error.errorNumber(),
                                           std::move(changed));
        }
        changed.push_back(change->fileName());
        renamed.push_back(change.get());
    }
    for (FileChange* change : renamed)
        change->flushFolder();
}

} // namespace vantor
