#include "app/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
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

namespace {

unsigned char folded(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const bool folded_less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [](char x, char y) { return folded(x) < folded(y); });
    if (folded_less)
        return true;
    const bool folded_greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [](char x, char y) { return folded(x) < folded(y); });
    // Names that differ only in case still get a fixed order.
    return !folded_greater && a < b;
}

} // namespace

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    // Iterative matcher with one backtrack point: linear in practice, never
    // exponential on patterns with many stars.
    std::size_t p = 0, s = 0, starP = std::string::npos, starS = 0;
    while (s < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starS = s;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || folded(pattern[p]) == folded(name[s]))) {
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

SingleMatch FindSingleMatch(const std::string& directory, const std::string& pattern) {
    SingleMatch result;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr)
        return result;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (MatchesWildcard(pattern, name))
            names.push_back(std::move(name));
    }
    ::closedir(dir);
    if (names.empty())
        return result;
    auto first = std::min_element(names.begin(), names.end(), lessIgnoringCase);
    result.firstPath = JoinPath(directory, *first);
    result.only = names.size() == 1;
    return result;
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

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace vantor
