#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantor::test {

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path().string()) {}

TempDir::TempDir(const std::string& parent) {
    std::string pattern = (std::filesystem::path(parent) / "vantor-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = name.data();
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string memoryFolder() {
    return std::filesystem::is_directory("/dev/shm")
               ? "/dev/shm"
               : std::filesystem::temp_directory_path().string();
}

CurrentDirGuard::CurrentDirGuard(const std::string& directory)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(directory);
}

CurrentDirGuard::~CurrentDirGuard() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

EnvironmentGuard::EnvironmentGuard(const char* name, const std::string& value) : name_(name) {
    if (const char* previous = std::getenv(name))
        saved_ = previous;
    ::setenv(name, value.c_str(), 1);
}

EnvironmentGuard::~EnvironmentGuard() {
    if (saved_)
        ::setenv(name_, saved_->c_str(), 1);
    else
        ::unsetenv(name_);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

unsigned permissionBits(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace vantor::test
