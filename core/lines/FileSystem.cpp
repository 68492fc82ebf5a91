#include "core/lines/FileSystem.h"

#include "core/lines/TextCase.h"
#include "core/lines/TextLineList.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantor {

bool SECFileSystem::FileExists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

bool SECFileSystem::DirectoryExists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    // Iterative matcher with one backtrack point: linear in practice, never
    // exponential on patterns with many stars.
    std::size_t p = 0, s = 0, starP = std::string::npos, starS = 0;
    while (s < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starS = s;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[s]))) {
            ++p;
            ++s;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            s = ++starS;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

namespace {

// The names of the entries in `directory` that match the pattern, in the
// order the folder lists them; none when it cannot be read.
std::vector<std::string> matchingNames(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (MatchesWildcard(pattern, name) && PathFitsRecord(JoinPath(directory, name)))
            names.push_back(std::move(name));
    }
    ::closedir(dir);
    return names;
}

bool nameBefore(const std::string& a, const std::string& b) {
    return LessIgnoringCase(a, b);
}

} // namespace

SingleMatch FindSingleMatch(const std::string& directory, const std::string& pattern) {
    SingleMatch result;
    const std::vector<std::string> names = matchingNames(directory, pattern);
    if (names.empty())
        return result;
    result.firstPath =
        JoinPath(directory, *std::min_element(names.begin(), names.end(), nameBefore));
    result.only = names.size() == 1;
    return result;
}

bool PathFitsRecord(const std::string& path) {
    return path.size() <= kMaxPathLength && !HasLineBreak(path) && !HasEndOfFileByte(path);
}

std::string ResolvedPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path resolved = fs::absolute(path, error);
    if (!error) {
        fs::path canonical = fs::weakly_canonical(resolved, error);
        if (!error)
            return canonical.string();
    }
    return resolved.lexically_normal().string();
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return ResolvedPath(a) == ResolvedPath(b);
}

std::vector<std::string> FindMatches(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names = matchingNames(directory, pattern);
    std::sort(names.begin(), names.end(), nameBefore);
    for (std::string& name : names)
        name = JoinPath(directory, name);
    return names;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == kPathSeparator)
        return directory + name;
    return directory + kPathSeparator + name;
}

std::string BaseName(const std::string& path) {
    const auto cut = path.rfind(kPathSeparator);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string DirectoryName(const std::string& path) {
    const auto cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? std::string(1, kPathSeparator) : path.substr(0, cut);
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

void ChangeCurrentDirectory(const std::string& directory) {
    if (::chdir(directory.c_str()) != 0)
        throw FileError(directory, errno);
}

} // namespace vantor
