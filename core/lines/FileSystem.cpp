#include "core/lines/FileSystem.h"

#include "core/lines/OpenedFolder.h"
#include "core/lines/SystemCalls.h"
#include "core/lines/TextCase.h"
#include "core/lines/TextLineList.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantor {

bool SECFileSystem::FileExists(const std::string& path) const {
    struct stat info {};
    if (path.empty())
        return false;
    if (System().fstatat(AT_FDCWD, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return true;
    // Only a name that leads nowhere names no file: a disk that failed to
    // answer says nothing about the file.
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw FileError(path, errno);
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
// order the folder lists them. A folder that does not exist holds none; one
// that cannot be read raises FileError, since its files are not known.
std::vector<std::string> matchingNames(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names;
    std::optional<OpenedFolder> opened;
    try {
        opened.emplace(OpenedFolder::Open(directory, directory));
    } catch (const FileError& error) {
        if (error.errorNumber() == ENOENT || error.errorNumber() == ENOTDIR)
            return names;
        throw;
    }
    DIR* dir = ::fdopendir(opened->openForReading(directory).release());
    if (dir == nullptr)
        throw FileError(directory, errno);
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && MatchesWildcard(pattern, name) &&
            PathFitsRecord(JoinPath(directory, name)))
            names.push_back(std::move(name));
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        throw FileError(directory, error);
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
    while (System().getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throw FileError(".", FileFault::NoWorkingFolder, errno);
        buffer.resize(buffer.size() * 2);
    }
    // A removed folder still answers, marked so by the kernel; its name
    // leads nowhere, or elsewhere.
    std::string path = buffer.data();
    if (path.empty() || path.front() != kPathSeparator)
        throw FileError(".", FileFault::NoWorkingFolder, ENOENT);
    return path;
}

void ChangeCurrentDirectory(const std::string& directory) {
    if (::chdir(directory.c_str()) != 0)
        throw FileError(directory, errno);
}

} // namespace vantor
