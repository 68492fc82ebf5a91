#pragma once

#include "core/lines/Descriptor.h"

#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace vantor {

class OpenedFolder;

// The new content of a file, in its folder, until it takes the file's place
// in one rename. Where the file system allows, the copy has no name while it
// is written, so a process killed mid-write leaves no copy of the content
// behind; it gets its name only once it is whole. Elsewhere it is named from
// the start. Either way a kill can leave a named copy, so the name tells whose
// copy it is: ".vantor-", eight hexadecimal digits of a hash of the target's
// name, "-" and a random part. It is short and of fixed length, so a target
// name near the file system's limit still has room for it. A copy not put in
// place is removed when it goes.
class TemporaryCopy {
public:
    TemporaryCopy(const OpenedFolder& folder, const std::string& targetName);
    ~TemporaryCopy();
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    // Removes the copies that writers of the same target left when they were
    // killed; `readable` is a descriptor that lists the folder. Only under the
    // folder's lock: then no such copy is in progress.
    void removeLeftovers(int readable) const;

    // Makes the copy: `setAccess(fd)` gives it its owner and permissions
    // before a byte of `bytes` is in it; then the bytes are written, flushed
    // to disk, and the copy is named. FileError naming `fileName` on failure.
    void make(const std::string& fileName, std::string_view bytes,
              const std::function<void(int)>& setAccess);

    // Renames the copy over `targetName` in the folder and returns the status
    // of the file now in its place.
    struct stat replace(const std::string& targetName, const std::string& fileName);

private:
    bool openUnnamed();
    bool openNamed();
    bool giveName();
    void discard();

    int folder_; // the folder's descriptor, owned by the OpenedFolder
    std::string prefix_;
    Descriptor fd_;
    std::string name_; // empty while unnamed
};

} // namespace vantor
