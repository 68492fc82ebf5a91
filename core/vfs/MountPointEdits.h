#pragma once

#include "core/lines/FileChange.h"
#include "core/vfs/VfsFile.h"
#include "core/vfs/VfsValidation.h"

#include <functional>
#include <string>

namespace vantor {

// What became of an edit of a *.vfs file. Refused edits write nothing.
struct MountEdit {
    enum class Outcome {
        Done,
        VirtualPathUnknown, // no mount point has the virtual path
        VirtualPathExists,  // another mount point has the new virtual path
        RootDeleteRefused,  // the root "/" is never removed
        RootRenameRefused,  // nor given another virtual path
        Refused,            // `rule` says why
    };
    Outcome outcome = Outcome::Done;
    MountPointRule rule = MountPointRule::Ok;
};

// Edits of the mount points of a file under the rules of the editor: both
// paths as CheckMountPointPaths wants them, every field as CheckMountPoint
// wants it, each virtual path used once, the root kept. Each holds the
// folder's lock from the reading to the one write. The file keeps the order
// of its lines: a changed mount point stays in its place, a new one is added
// at the end. The owner and group are taken as given. FileError when the
// file cannot be read or written.
MountEdit AddMountPoint(const std::string& vfsFile, const MountPoint& mount,
                        const WriteConsent& consent = {});
// Changes the first mount point of the virtual path in file order.
MountEdit ChangeMountPoint(const std::string& vfsFile, const std::string& virtualPath,
                           const std::function<void(MountPoint&)>& change,
                           const WriteConsent& consent = {});
MountEdit RemoveMountPoint(const std::string& vfsFile, const std::string& virtualPath,
                           const WriteConsent& consent = {});

// Writes the root mount point a new server design gets ("%s|/|%s|%s|754|r",
// owner and group "default") as the whole file, unless the file exists.
// True when it was written.
bool WriteRootMountPointIfMissing(const std::string& vfsFile, const std::string& rootDirectory);
// The content of a *.vfs file that holds only that root mount point.
std::string RootMountPointFile(const std::string& rootDirectory);

} // namespace vantor
