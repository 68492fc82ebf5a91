#include "FileBaseline.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace vantor::bench {

namespace {

using Clock = std::chrono::steady_clock;

class Descriptor {
public:
    Descriptor(const std::string& path, int flags) : fd_(::open(path.c_str(), flags, 0600)) {
        if (fd_ < 0)
            throw FileError(path, errno);
    }
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void copyFile(const std::string& from, const std::string& to, bool flush) {
    std::string bytes;
    {
        const Descriptor in(from, O_RDONLY);
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(in.get(), buffer, sizeof buffer);
            if (got < 0)
                throw FileError(from, errno);
            if (got == 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
    }
    // A fresh file each time: truncating one that holds data makes ext4 flush
    // it on close, which would turn the plain copy into a flushed one.
    if (::unlink(to.c_str()) != 0 && errno != ENOENT)
        throw FileError(to, errno);
    const Descriptor out(to, O_WRONLY | O_CREAT | O_EXCL);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(out.get(), bytes.data() + done, bytes.size() - done);
        if (put < 0)
            throw FileError(to, errno);
        done += static_cast<std::size_t>(put);
    }
    if (flush && ::fsync(out.get()) != 0)
        throw FileError(to, errno);
}

double copySeconds(const std::string& file, const std::string& copy, bool flush) {
    const Clock::time_point start = Clock::now();
    copyFile(file, copy, flush);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// A few copies on each side of the loop: enough for a median that one
// scheduling hiccup on a shared machine cannot move.
constexpr int kCopiesEachSide = 3;

// The plain copies go to a target of their own and run as one block, so no
// plain copy waits on a journal commit that a flushed copy started.
void sampleCopies(const std::string& file, std::vector<double>& plain,
                  std::vector<double>& flushed) {
    for (int i = 0; i < kCopiesEachSide; ++i)
        plain.push_back(copySeconds(file, file + ".copy", false));
    for (int i = 0; i < kCopiesEachSide; ++i)
        flushed.push_back(copySeconds(file, file + ".synced", true));
}

} // namespace

std::string scratchFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("vantor-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::string userName(std::int64_t i) {
    return "user" + std::to_string(i);
}

std::string userLine(std::int64_t i, const char* group) {
    static const char* const notes[] = {"", "Accounts", "Night shift", "Contractor, March"};
    const std::string password = std::to_string(100000 + i * 7919 % 100000);
    return userName(i) + ":2:pw" + password + "x!:" + group +
           ":1:512:256:3:4:0:1048576:524288:" + notes[i % 4] + ":default";
}

TextLineList userLines(std::int64_t count) {
    TextLineList lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
        lines.append(userLine(i));
    return lines;
}

TextLineList allowedEntries(std::int64_t count) {
    TextLineList lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
        lines.append("user" + std::to_string(i) + "@10.0." + std::to_string(i) + ".");
    return lines;
}

void runAgainstCopy(benchmark::State& state, const std::string& file,
                    const std::function<void()>& operation,
                    const std::function<void()>& untimedReset) {
    std::vector<double> plain;
    std::vector<double> flushed;
    sampleCopies(file, plain, flushed);

    double total = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        operation();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        total += seconds;
        if (untimedReset)
            untimedReset();
    }

    sampleCopies(file, plain, flushed);
    std::remove((file + ".copy").c_str());
    std::remove((file + ".synced").c_str());

    const double perOperation = total / static_cast<double>(state.iterations());
    state.counters["x_copy"] = perOperation / median(plain);
    state.counters["x_copy_fsync"] = perOperation / median(flushed);
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(file)); // the size both sides handle
    state.SetComplexityN(state.range(0));
}

} // namespace vantor::bench
