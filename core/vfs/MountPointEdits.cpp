#include "core/vfs/MountPointEdits.h"

#include "core/lines/LinePieces.h"

#include <optional>

namespace vantor {

namespace {

using Outcome = MountEdit::Outcome;

std::string virtualPathOf(std::string_view line) {
    std::string path;
    ExtractField(1, line, path, kMountPointSeparator);
    return path;
}

using Lines = std::vector<std::string_view>;

// The position of the first line of the virtual path, leaving out `skip`.
std::optional<std::size_t> lineOf(const Lines& lines, std::string_view virtualPath,
                                  std::optional<std::size_t> skip = std::nullopt) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (i != skip && virtualPathOf(lines[i]) == virtualPath)
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

MountEdit AddMountPoint(const std::string& vfsFile, const MountPoint& mount,
                        const WriteConsent& consent) {
    if (const auto refused = refusalOf(mount))
        return *refused;
    FileChange file(vfsFile, LineFileChange(consent));
    Lines lines = DistinctLinePieces(file.bytes());
    if (lineOf(lines, mount.virtualPath))
        return {Outcome::VirtualPathExists};
    const std::string line = FormatMountPoint(mount);
    lines.push_back(line);
    file.write(JoinLines(lines));
    return {};
}

MountEdit ChangeMountPoint(const std::string& vfsFile, const std::string& virtualPath,
                           const std::function<void(MountPoint&)>& change,
                           const WriteConsent& consent) {
    FileChange file(vfsFile, LineFileChange(consent));
    Lines lines = DistinctLinePieces(file.bytes());
    const auto at = lineOf(lines, virtualPath);
    if (!at)
        return {Outcome::VirtualPathUnknown};
    MountPoint mount;
    ParseMountPoint(lines[*at], mount);
    change(mount);
    if (virtualPath == "/" && mount.virtualPath != "/")
        return {Outcome::RootRenameRefused};
    if (const auto refused = refusalOf(mount))
        return *refused;
    if (lineOf(lines, mount.virtualPath, at))
        return {Outcome::VirtualPathExists};
    const std::string line = FormatMountPoint(mount);
    lines[*at] = line;
    file.write(JoinLines(lines));
    return {};
}

MountEdit RemoveMountPoint(const std::string& vfsFile, const std::string& virtualPath,
                           const WriteConsent& consent) {
    if (virtualPath == "/")
        return {Outcome::RootDeleteRefused};
    FileChange file(vfsFile, LineFileChange(consent));
    Lines lines = DistinctLinePieces(file.bytes());
    const auto at = lineOf(lines, virtualPath);
    if (!at)
        return {Outcome::VirtualPathUnknown};
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    file.write(JoinLines(lines));
    return {};
}

std::string RootMountPointFile(const std::string& rootDirectory) {
    return DefaultRootLine(rootDirectory, std::string(kDefaultOwnerName),
                           std::string(kDefaultOwnerName), RootLineFormat::WizardPage) +
           "\r\n";
}

bool WriteRootMountPointIfMissing(const std::string& vfsFile, const std::string& rootDirectory) {
    FileChange file(vfsFile);
    if (file.exists())
        return false;
    file.write(RootMountPointFile(rootDirectory));
    return true;
}

} // namespace vantor
