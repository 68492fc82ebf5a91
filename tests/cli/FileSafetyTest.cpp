// What vantor-admin does where a file's reading lost content, where two
// commands race for one name, where a change of two files cannot be made
// whole, where the working folder is gone and where the disk fails.
#include "AdminRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantor::test;

namespace {

class FileSafety : public AdminRun {};

// Runs the built program with `args` (shell text) in `folder`; its exit code.
int program(const std::string& folder, const std::string& args) {
    const std::string command =
        "cd '" + folder + "' && LANG=C '" VANTOR_ADMIN "' " + args + " >/dev/null 2>&1";
    return WEXITSTATUS(std::system(command.c_str()));
}

} // namespace

TEST_F(FileSafety, ALossyFileIsWrittenOnlyWithForceWhichSaysWhatItDrops) {
    const std::string lossy = "alice:2\r\n\x1A\r\nbob:2\r\n";
    writeFile(userFile(), lossy);
    const AdminResult refused = admin("user add carol");
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("line 2"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(readFile(userFile()), lossy);
    const AdminResult forced = admin("user add carol --force");
    EXPECT_EQ(forced.code, 0);
    EXPECT_NE(forced.err.find("warning: " + userFile() + " line 2"), std::string::npos)
        << forced.err;
    EXPECT_EQ(readFile(userFile()).find("bob"), std::string::npos);
}

// The account stays with its addresses when the address file cannot be
// replaced: here it has a second name, which a rewrite would split off.
TEST_F(FileSafety, AnAccountStaysWithItsAddressesWhenTheirFileCannotBeWritten) {
    writeFile(userFile(), "alice:2\r\n");
    writeFile(dir.file("default.allow"), "alice@10.0.0.\r\n");
    ASSERT_EQ(::link(dir.file("default.allow").c_str(), dir.file("copy.txt").c_str()), 0);
    const AdminResult run = admin("user remove alice --with-addresses");
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(readFile(userFile()), "alice:2\r\n");
    EXPECT_EQ(readFile(dir.file("default.allow")), "alice@10.0.0.\r\n");
}

TEST_F(FileSafety, OfTwoCreatesOfOneServerExactlyOneSucceeds) {
    for (int round = 0; round < 20; ++round) {
        std::filesystem::remove(dir.file("web.ftpd"));
        pid_t children[2];
        for (pid_t& child : children)
            if ((child = ::fork()) == 0)
                ::_exit(program(dir.path(), "server create web --root '" + dir.path() + "'"));
        int succeeded = 0;
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            succeeded += WEXITSTATUS(status) == 0;
        }
        EXPECT_EQ(succeeded, 1) << "round " << round;
    }
}

TEST(FileSafetyProcess, AGoneWorkingFolderWritesNothing) {
    TempDir dir;
    const std::string gone = dir.file("gone");
    std::filesystem::create_directory(gone);
    if (std::filesystem::exists("/default.user"))
        GTEST_SKIP() << "the root folder holds a user file already";
    const std::string command = "cd '" + gone + "' && rmdir '" + gone +
                                "' && LANG=C '" VANTOR_ADMIN "' user add extra 2>'" +
                                dir.file("err") + "'";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 3);
    EXPECT_EQ(readFile(dir.file("err")).find("the working folder cannot be determined"),
              std::string("vantor-admin: ").size());
    EXPECT_FALSE(std::filesystem::exists("/default.user"));
}

// Each status call of a whole run of the program failing in turn, as a
// faulty disk answers: no run ends in success with an account lost.
TEST(FileSafetyProcess, NoFailedStatusCallLosesAnAccount) {
    if (std::system("strace -V >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace is not installed";
    TempDir dir;
    std::string accounts;
    for (int i = 0; i < 20; ++i)
        accounts += "user" + std::to_string(i) + ":2\r\n";
    int failed = 0;
    for (int nth = 1; nth <= 60; ++nth) {
        const std::string calls = "newfstatat,fstat,statx,lstat,stat";
        const std::string command =
            // The leak checker of a sanitized build cannot work under strace and
            // would fail every run at its end.
            "cd '" + dir.path() +
            "' && LANG=C ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null "
            "-e trace=" +
            calls + " -e inject=" + calls + ":error=EIO:when=" + std::to_string(nth) +
            " '" VANTOR_ADMIN "' user add extra >/dev/null 2>&1";
        writeFile(dir.file("default.user"), accounts);
        const int status = WEXITSTATUS(std::system(command.c_str()));
        // Whatever the run says, no account is lost: a failed run left the
        // file as it was, or wrote it whole before a later call failed.
        const std::string after = readFile(dir.file("default.user"));
        for (int i = 0; i < 20; ++i)
            EXPECT_NE(after.find("user" + std::to_string(i) + ":2\r\n"), std::string::npos)
                << "call " << nth;
        if (status != 0) {
            ++failed;
        } else {
            EXPECT_NE(after.find("extra:"), std::string::npos) << "call " << nth;
        }
    }
    EXPECT_GT(failed, 0) << "no status call failed the run";
}
