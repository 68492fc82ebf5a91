#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantor {

// How a folder's definition files are found and named, the same for the
// wizard and the command-line program: a single match of a pattern is taken
// as that folder's file, and a folder that holds none gets the default name.
inline constexpr char kUserFilePattern[] = "*.user";
inline constexpr char kAllowFilePattern[] = "*.allow";
inline constexpr char kVfsFilePattern[] = "*.vfs";
inline constexpr char kConfigFilePattern[] = "*.ftpd";

inline constexpr char kDefaultUserFileName[] = "default.user";
inline constexpr char kDefaultAllowFileName[] = "default.allow";

// True when the folder holds any definition file or the startup list: a folder
// without one is not (yet) an FTP server's folder.
bool HoldsDefinitionFiles(const std::string& directory);

// The file of one kind in a folder, chosen without asking anybody: the single
// match of the pattern; with no match the default name in the folder (when
// the kind has one); with two or more, no file and every match, so that the
// caller can name them and let the user pick.
struct DefinitionFileChoice {
    std::optional<std::string> path;
    std::vector<std::string> matches; // every match when there are two or more
};
DefinitionFileChoice FindDefinitionFile(const std::string& directory, const char* pattern,
                                        const char* defaultName);

} // namespace vantor
