#pragma once

#include "core/vfs/VfsFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The six fields of a mount point, in the order of its line.
enum class MountField { Physical, Virtual, Owner, Group, Permissions, Inherit };

enum class MountFieldKind {
    Text,        // the bytes as they are
    Permissions, // three digits, owner, group and others
    Inherit,     // "r" or "n"
};

// One field of the mount point line: where it stands, its name wherever a
// field is named to a script (JSON, options), its kind and the member of
// MountPoint that holds it.
struct MountFieldInfo {
    MountField field;
    std::string_view column;
    MountFieldKind kind;
    std::string MountPoint::*text = nullptr;
};

inline constexpr std::array<MountFieldInfo, kMountPointFieldCount> kMountFields{{
    {MountField::Physical, "physical", MountFieldKind::Text, &MountPoint::physicalPath},
    {MountField::Virtual, "virtual", MountFieldKind::Text, &MountPoint::virtualPath},
    {MountField::Owner, "owner", MountFieldKind::Text, &MountPoint::owner},
    {MountField::Group, "group", MountFieldKind::Text, &MountPoint::group},
    {MountField::Permissions, "permissions", MountFieldKind::Permissions},
    {MountField::Inherit, "inherit", MountFieldKind::Inherit},
}};

constexpr bool MountFieldsInLineOrder() {
    for (std::size_t i = 0; i < kMountFields.size(); ++i)
        if (static_cast<std::size_t>(kMountFields[i].field) != i)
            return false;
    return true;
}
static_assert(MountFieldsInLineOrder(), "the table lists the fields in the order of the line");

constexpr const MountFieldInfo& FieldInfo(MountField field) {
    return kMountFields[static_cast<std::size_t>(field)];
}
std::optional<MountField> MountFieldNamed(std::string_view column);

// The text of a field as the line holds it; nothing when the line lacks it.
std::optional<std::string> MountFieldText(std::string_view line, MountField field);

} // namespace vantor
