#pragma once

#include "core/vfs/VfsFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Why a text was refused for a *.vfs line. The editor checks before it commits
// an entry, so that no input can break a line apart.
enum class MountPointRule {
    Ok,
    FieldHasBar,       // '|' in a field
    FieldHasLineBreak, // CR or LF in a field
    FieldHasEndByte,   // 0x1A or NUL in a field: a reader stops there
    NameTooLong,       // an owner or group name over kMaxMountNameLength bytes
    LineTooLong,       // a line over kMaxMountLineLength bytes would be read as two
    // The editor's own rules for the two paths of an entry it adds or updates.
    PhysicalPathEmpty,
    PhysicalPathMissing, // not an existing directory
    VirtualPathEmpty,
    VirtualPathNotFull, // does not begin with "/"
};

inline constexpr std::size_t kMaxMountNameLength = 31;
inline constexpr std::size_t kMaxMountLineLength = 511;

// A physical or virtual path.
MountPointRule CheckMountPointField(std::string_view text);
// An owner user or owner group name.
MountPointRule CheckMountPointName(std::string_view name);
// Every field and the length of the line the mount point formats to.
MountPointRule CheckMountPoint(const MountPoint& mount);

// The editor's checks of the two paths of an entry, in its order, each path
// told apart so that the field at fault can be named: the physical path is
// given, holds nothing that breaks a line and names an existing directory;
// the virtual path is given, holds nothing that breaks a line and begins with
// "/". The paths are taken exactly as typed.
enum class MountPathField { Physical, Virtual };
struct MountPathFault {
    MountPathField field;
    MountPointRule rule;
};
std::optional<MountPathFault> CheckMountPointPaths(const std::string& physicalPath,
                                                   const std::string& virtualPath);

// The owner or group an entry gets: the chosen name, or "default" when none
// was chosen, which the editor warns about before it goes on.
struct MountNameChoice {
    std::string name;
    bool defaulted = false;
};
MountNameChoice MountNameOrDefault(std::string chosen);

} // namespace vantor
