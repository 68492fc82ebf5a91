#pragma once

#include "core/vfs/VfsFile.h"

#include <cstddef>
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
};

inline constexpr std::size_t kMaxMountNameLength = 31;
inline constexpr std::size_t kMaxMountLineLength = 511;

// A physical or virtual path.
MountPointRule CheckMountPointField(std::string_view text);
// An owner user or owner group name.
MountPointRule CheckMountPointName(std::string_view name);
// Every field and the length of the line the mount point formats to.
MountPointRule CheckMountPoint(const MountPoint& mount);

} // namespace vantor
