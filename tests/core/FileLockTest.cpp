#include "core/lines/FileLock.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;
using namespace std::chrono_literals;

// A second process waits its bound for a folder this process holds, then
// gets it once the holder lets go; a nested lock in the holder neither blocks
// nor releases early.
TEST(FolderLock, AnotherProcessWaitsItsBoundAndThenGetsTheLock) {
    TempDir dir;
    const std::string file = dir.file("a.user");
    auto childTakes = [&](std::chrono::milliseconds wait) {
        const pid_t child = fork();
        if (child == 0) {
            try {
                FolderLock lock(file, wait);
                _exit(0);
            } catch (const FileBusy&) {
                _exit(3);
            } catch (...) {
                _exit(1);
            }
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WEXITSTATUS(status);
    };
    {
        FolderLock outer(file);
        { FolderLock inner(dir.file("b.allow"), 0ms); }
        EXPECT_EQ(childTakes(50ms), 3);
    }
    EXPECT_EQ(childTakes(50ms), 0);
    EXPECT_THROW(FolderLock(dir.file("missing/a.user")), FileError);
}
