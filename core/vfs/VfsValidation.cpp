#include "core/vfs/VfsValidation.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"

namespace vantor {

MountPointRule CheckMountPointField(std::string_view text) {
    if (HasLineBreak(text))
        return MountPointRule::FieldHasLineBreak;
    if (HasEndOfFileByte(text))
        return MountPointRule::FieldHasEndByte;
    if (text.find(kMountPointSeparator) != std::string_view::npos)
        return MountPointRule::FieldHasBar;
    return MountPointRule::Ok;
}

MountPointRule CheckMountPointName(std::string_view name) {
    if (const MountPointRule rule = CheckMountPointField(name); rule != MountPointRule::Ok)
        return rule;
    if (name.size() > kMaxMountNameLength)
        return MountPointRule::NameTooLong;
    return MountPointRule::Ok;
}

MountPointRule CheckMountPoint(const MountPoint& mount) {
    for (std::string_view path : {mount.physicalPath, mount.virtualPath})
        if (const MountPointRule rule = CheckMountPointField(path); rule != MountPointRule::Ok)
            return rule;
    for (std::string_view name : {mount.owner, mount.group})
        if (const MountPointRule rule = CheckMountPointName(name); rule != MountPointRule::Ok)
            return rule;
    if (FormatMountPoint(mount).size() > kMaxMountLineLength)
        return MountPointRule::LineTooLong;
    return MountPointRule::Ok;
}

std::optional<MountPathFault> CheckMountPointPaths(const std::string& physicalPath,
                                                   const std::string& virtualPath) {
    using enum MountPathField;
    if (physicalPath.empty())
        return MountPathFault{Physical, MountPointRule::PhysicalPathEmpty};
    // A "|" or a line break would split the line. It is refused before the
    // path is looked up, so the user learns the real reason.
    if (const auto rule = CheckMountPointField(physicalPath); rule != MountPointRule::Ok)
        return MountPathFault{Physical, rule};
    if (!SECFileSystem().DirectoryExists(physicalPath))
        return MountPathFault{Physical, MountPointRule::PhysicalPathMissing};
    if (virtualPath.empty())
        return MountPathFault{Virtual, MountPointRule::VirtualPathEmpty};
    if (const auto rule = CheckMountPointField(virtualPath); rule != MountPointRule::Ok)
        return MountPathFault{Virtual, rule};
    if (virtualPath.front() != '/')
        return MountPathFault{Virtual, MountPointRule::VirtualPathNotFull};
    return std::nullopt;
}

MountNameChoice MountNameOrDefault(std::string chosen) {
    if (!chosen.empty())
        return {std::move(chosen), false};
    return {std::string(kDefaultOwnerName), true};
}

} // namespace vantor
