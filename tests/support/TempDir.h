#pragma once

#include <optional>
#include <string>

namespace vantor::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    // In the system's temporary folder, or in `parent`.
    TempDir();
    explicit TempDir(const std::string& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A folder held in memory where the system has one (/dev/shm), else the
// temporary folder: there a write flushed to disk costs no disk wait, for tests
// that write a file thousands of times.
std::string memoryFolder();

// Runs the rest of a scope in another current directory.
class CurrentDirGuard {
public:
    explicit CurrentDirGuard(const std::string& directory);
    ~CurrentDirGuard();
    CurrentDirGuard(const CurrentDirGuard&) = delete;
    CurrentDirGuard& operator=(const CurrentDirGuard&) = delete;

private:
    std::string previous_;
};

// Gives an environment variable another value while it lives.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const std::string& value);
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
bool exists(const std::string& path);
unsigned permissionBits(const std::string& path);

} // namespace vantor::test
