#include "core/vfs/VfsValidation.h"

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

} // namespace vantor
