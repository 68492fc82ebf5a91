#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The existence checks every dialog uses. Stateless; one instance serves all.
class SECFileSystem {
public:
    // True when the path names an existing entry, file or folder alike;
    // false only when the name leads nowhere (ENOENT, ENOTDIR). Any other
    // error raises FileError: it says nothing of whether the file is there.
    bool FileExists(const std::string& path) const;
    // True when the path names an existing folder.
    bool DirectoryExists(const std::string& path) const;
};

struct SingleMatch {
    std::optional<std::string> firstPath; // directory, separator, name of the first match
    bool only = false;                    // true when that match is the only one
};

// Looks in `directory` for entries whose names match a wildcard pattern ("*",
// "?"), ignoring letter case; folders match like files. Matches are taken in
// name order ignoring case, so the first match is the same on every run. An
// entry whose path could not be kept as a file name (PathFitsRecord) is passed
// over, so that it cannot stand in the way of the usable ones.
SingleMatch FindSingleMatch(const std::string& directory, const std::string& pattern);
// The full path of every match, in the same order; empty when the folder
// holds none or does not exist. Both raise FileError for a folder that
// cannot be read: a search there would wrongly find nothing.
std::vector<std::string> FindMatches(const std::string& directory, const std::string& pattern);

// True when `name` matches the wildcard pattern, letter case ignored.
bool MatchesWildcard(const std::string& pattern, const std::string& name);

inline constexpr char kPathSeparator = '/';
// The longest path a file name field holds.
inline constexpr std::size_t kMaxPathLength = 255;

// True when a path can be kept in a file name field and written into the
// configuration file and the startup list: at most kMaxPathLength bytes, no
// line break and no byte that ends a file.
bool PathFitsRecord(const std::string& path);

// The path a name stands for: absolute, with ".", ".." and the links of its
// existing part resolved.
std::string ResolvedPath(const std::string& path);
// True when two names lead to one file: the same device and inode where both
// exist, else the same resolved path. An empty name leads nowhere.
bool SameFile(const std::string& a, const std::string& b);

std::string JoinPath(const std::string& directory,
                     const std::string& name); // the platform's separator
std::string BaseName(const std::string& path); // after the last separator
// Before the last separator: "." for a bare name, "/" for a name in the root.
std::string DirectoryName(const std::string& path);

// The process's current directory. Raises FileError (NoWorkingFolder) when
// it cannot be determined (it was removed, or a folder above it may not be
// searched): names built from it would land elsewhere.
std::string CurrentDirectory();
// Makes `directory` the process's current directory, where every later search
// and default name starts; throws a FileError naming it when that fails.
void ChangeCurrentDirectory(const std::string& directory);

} // namespace vantor
