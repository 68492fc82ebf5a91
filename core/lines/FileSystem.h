#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The existence checks every dialog uses. Stateless; one instance serves all.
class SECFileSystem {
public:
    // True when the path names an existing entry, file or folder alike.
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
// name order ignoring case, so the first match is the same on every run.
SingleMatch FindSingleMatch(const std::string& directory, const std::string& pattern);
// The full path of every match, in the same order; empty when the folder
// holds none or cannot be read.
std::vector<std::string> FindMatches(const std::string& directory, const std::string& pattern);

// True when `name` matches the wildcard pattern, letter case ignored.
bool MatchesWildcard(const std::string& pattern, const std::string& name);

inline constexpr char kPathSeparator = '/';
// The longest path a file name field holds.
inline constexpr std::size_t kMaxPathLength = 255;

std::string JoinPath(const std::string& directory,
                     const std::string& name); // the platform's separator
std::string BaseName(const std::string& path); // after the last separator
// Before the last separator: "." for a bare name, "/" for a name in the root.
std::string DirectoryName(const std::string& path);

// The process's current directory; empty when it cannot be read (it was
// removed, or a folder above it may not be searched).
std::string CurrentDirectory();

} // namespace vantor
