#pragma once

#include <string>

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

} // namespace vantor
