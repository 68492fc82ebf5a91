#pragma once

namespace vantor {

// How a folder's definition files are found and named, the same for the
// wizard and the command-line program: a single match of a pattern is taken
// as that folder's file, and a folder that holds none gets the default name.
inline constexpr char kUserFilePattern[] = "*.user";
inline constexpr char kAllowFilePattern[] = "*.allow";
inline constexpr char kVfsFilePattern[] = "*.vfs";

inline constexpr char kDefaultUserFileName[] = "default.user";
inline constexpr char kDefaultAllowFileName[] = "default.allow";

} // namespace vantor
