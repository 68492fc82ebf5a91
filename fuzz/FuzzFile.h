#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vantor::fuzz {

// A file of this process's own, so parallel fuzzing jobs do not share one.
// Kept in memory where the system offers it: every atomic write syncs to disk,
// which on a real disk would cut the runs per second a hundredfold.
inline std::string scratchFile(const char* tag) {
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    const std::filesystem::path folder = std::filesystem::is_directory(memory, error)
                                             ? memory
                                             : std::filesystem::temp_directory_path();
    return (folder / ("vantor-fuzz-" + std::to_string(getpid()) + "-" + tag)).string();
}

// The scratch file named once per process and removed when the run ends, so
// memory-backed folders do not fill up with the leftovers of many runs.
class ScratchFile {
public:
    explicit ScratchFile(const char* tag) : name_(scratchFile(tag)) {}
    ~ScratchFile() {
        std::error_code error;
        std::filesystem::remove(name_, error);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

inline void writeBytes(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace vantor::fuzz
