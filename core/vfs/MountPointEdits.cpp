#include "core/vfs/MountPointEdits.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"

#include <optional>

namespace vantor {

namespace {

using Outcome = MountEdit::Outcome;

std::string virtualPathOf(std::string_view line) {
    std::string path;
    ExtractField(1, line, path, kMountPointSeparator);
    return path;
}

// The position of the first line of the virtual path, leaving out `skip`.
std::optional<std::size_t> lineOf(const FileLines& file, std::string_view virtualPath,
                                  std::optional<std::size_t> skip = std::nullopt) {
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (i != skip && virtualPathOf(file.lines[i]) == virtualPath)
            return i;
    return std::nullopt;
}

// The refusal of a mount point about to be stored, if any.
std::optional<MountEdit> refusalOf(const MountPoint& mount) {
    if (const auto fault = CheckMountPointPaths(mount.physicalPath, mount.virtualPath))
        return MountEdit{Outcome::Refused, fault->rule};
    if (const MountPointRule rule = CheckMountPoint(mount); rule != MountPointRule::Ok)
        return MountEdit{Outcome::Refused, rule};
    return std::nullopt;
}

} // namespace

MountEdit AddMountPoint(const std::string& vfsFile, const MountPoint& mount) {
    if (const auto refused = refusalOf(mount))
        return *refused;
    const FolderLock lock(vfsFile);
    FileLines file = ReadFileLines(vfsFile);
    if (lineOf(file, mount.virtualPath))
        return {Outcome::VirtualPathExists};
    const std::string line = FormatMountPoint(mount);
    file.lines.push_back(line);
    WriteFileAtomically(vfsFile, JoinLines(file.lines));
    return {};
}

MountEdit ChangeMountPoint(const std::string& vfsFile, const std::string& virtualPath,
                           const std::function<void(MountPoint&)>& change) {
    const FolderLock lock(vfsFile);
    FileLines file = ReadFileLines(vfsFile);
    const auto at = lineOf(file, virtualPath);
    if (!at)
        return {Outcome::VirtualPathUnknown};
    MountPoint mount;
    ParseMountPoint(file.lines[*at], mount);
    change(mount);
    if (virtualPath == "/" && mount.virtualPath != "/")
        return {Outcome::RootRenameRefused};
    if (const auto refused = refusalOf(mount))
        return *refused;
    if (lineOf(file, mount.virtualPath, at))
        return {Outcome::VirtualPathExists};
    const std::string line = FormatMountPoint(mount);
    file.lines[*at] = line;
    WriteFileAtomically(vfsFile, JoinLines(file.lines));
    return {};
}

MountEdit RemoveMountPoint(const std::string& vfsFile, const std::string& virtualPath) {
    if (virtualPath == "/")
        return {Outcome::RootDeleteRefused};
    const FolderLock lock(vfsFile);
    FileLines file = ReadFileLines(vfsFile);
    const auto at = lineOf(file, virtualPath);
    if (!at)
        return {Outcome::VirtualPathUnknown};
    file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(*at));
    WriteFileAtomically(vfsFile, JoinLines(file.lines));
    return {};
}

bool WriteRootMountPointIfMissing(const std::string& vfsFile, const std::string& rootDirectory) {
    const FolderLock lock(vfsFile);
    if (SECFileSystem().FileExists(vfsFile))
        return false;
    TextLineList lines;
    lines.add(DefaultRootLine(rootDirectory, std::string(kDefaultOwnerName),
                              std::string(kDefaultOwnerName), RootLineFormat::WizardPage));
    WriteLineList(lines, vfsFile);
    return true;
}

} // namespace vantor
