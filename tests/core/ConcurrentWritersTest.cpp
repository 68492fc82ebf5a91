#include "core/lines/FileLock.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

// Runs `work(i)` in `count` processes at once and waits for them all; a
// process still running after five minutes (a minute is usual with the
// sanitizers on a busy machine) is ended. Their exit codes in order:
// 0 done, 3 another writer kept the lock too long, 1 any other failure, -1
// ended.
std::vector<int> runInProcesses(int count, const std::function<void(int)>& work) {
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        if (const pid_t child = ::fork(); child != 0) {
            children.push_back(child);
            continue;
        }
        ::alarm(300);
        try {
            work(i);
        } catch (const FileBusy&) {
            ::_exit(3);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    std::vector<int> codes;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        codes.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return codes;
}

std::string account(const std::string& name) {
    return name + ":2:secret:staff:1:0:0:0:0:0:0:0::default";
}

} // namespace

TEST(ConcurrentWriters, AccountsStoredByEightProcessesAtOnceAreAllKept) {
    const TempDir dir(memoryFolder());
    const std::string file = dir.file("site.user");
    TextLineList lines;
    for (int i = 0; i < 10000; ++i)
        lines.append(account("old" + std::to_string(i)));
    WriteLineList(lines, file);

    const auto name = [](int process, int i) {
        return "p" + std::to_string(process) + "u" + std::to_string(i);
    };
    const auto codes = runInProcesses(8, [&](int process) {
        for (int i = 0; i < 250; ++i)
            StoreUserLine(file, name(process, i), account(name(process, i)));
    });
    EXPECT_EQ(codes, std::vector<int>(8, 0));

    LoadUserLineList(file, lines);
    EXPECT_EQ(lines.size(), 12000u); // the reader skips repeated lines: none may be
    const std::string bytes = readFile(file);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 12000);
    int missing = 0;
    for (int process = 0; process < 8; ++process)
        for (int i = 0; i < 250; ++i)
            missing += !lines.contains(account(name(process, i)));
    EXPECT_EQ(missing, 0);
}

TEST(ConcurrentWriters, AddressesAddedAndRemovedByFourProcessesAtOnceAreAllKept) {
    const TempDir dir(memoryFolder());
    const std::string file = dir.file("site.allow");
    TextLineList entries;
    for (int i = 0; i < 1000; ++i)
        entries.append(AllowedEntry("old" + std::to_string(i), "10.0.0."));
    WriteLineList(entries, file);

    const auto address = [](int i) { return "10.1." + std::to_string(i) + "."; };
    const auto codes = runInProcesses(4, [&](int process) {
        TextLineList allowed;
        const std::string user = "p" + std::to_string(process);
        for (int i = 0; i < 100; ++i) {
            AddAllowedAddress(file, allowed, user, address(i));
            if (i % 2 == 1)
                RemoveAllowedAddress(file, allowed, user, address(i));
        }
    });
    EXPECT_EQ(codes, std::vector<int>(4, 0));

    ReadLineList(file, entries);
    EXPECT_EQ(entries.size(), 1200u);
    int wrong = 0;
    for (int process = 0; process < 4; ++process)
        for (int i = 0; i < 100; ++i)
            wrong += entries.contains(AllowedEntry("p" + std::to_string(process), address(i))) !=
                     (i % 2 == 0);
    EXPECT_EQ(wrong, 0);
}
