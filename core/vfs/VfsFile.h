#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The rights of the three classes of users on a mount point. The permission
// field holds one digit per class, owner first: 4 for read, 2 for write, 1 for
// execute (delete, rename, overwrite).
struct Permissions {
    bool ownerRead = false, ownerWrite = false, ownerExecute = false;
    bool groupRead = false, groupWrite = false, groupExecute = false;
    bool otherRead = false, otherWrite = false, otherExecute = false;
};

// Always three digits '0' to '7'.
std::string EncodePermissions(const Permissions& rights);
// Reads the first three characters, which must be decimal digits; any after
// them are ignored, and 8 and 9 keep only their low three bits. False, with
// `rights` unchanged, when the field is shorter or a digit is not one.
bool DecodePermissions(std::string_view field, Permissions& rights);

// One line of a *.vfs file: six fields joined by '|', physical path, virtual
// path, owner user, owner group, permissions and inherit flag ("r" or "n").
struct MountPoint {
    std::string physicalPath;
    std::string virtualPath; // "/" for the root
    std::string owner;
    std::string group;
    Permissions rights;
    bool inherit = false; // directories below take over the rights
};

inline constexpr int kMountPointFieldCount = 6;
inline constexpr char kMountPointSeparator = '|';

std::string FormatMountPoint(const MountPoint& mount);

// Reads every field the line holds into `mount`. A text field the line lacks
// is taken as ExtractField gives it (emptied right after the line's last field,
// unchanged beyond), a missing or bad permission field leaves the rights as they
// were, and the inherit flag is set only by a field that is exactly "r". True
// when the line holds exactly six fields and its permission field decodes.
bool ParseMountPoint(std::string_view line, MountPoint& mount);

// Exactly "r" sets the flag; anything else, "R" and "" included, clears it.
bool DecodeInherit(std::string_view field);

// The name put in for an owner or group when there is none to choose from.
inline constexpr std::string_view kDefaultOwnerName = "default";

enum class RootLineFormat {
    WizardPage, // "%s|/|%s|%s|754|r", added when the design has no mount point
    Editor,     // "%s|/|%s|%s|755|r", the editor's starting entry
};

// The root mount point "/" on the server root directory, inheriting its rights.
std::string DefaultRootLine(const std::string& rootDirectory, const std::string& owner,
                            const std::string& group, RootLineFormat format);

} // namespace vantor
