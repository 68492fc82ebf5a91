// The built vantor-admin as a whole process, for what only a process shows:
// a standard output that fails on its last write or close, the messages in
// the user's language, and the password asked for on a terminal.
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace vantor::test;

namespace {

struct Result {
    int code;
    std::string err;
};

class ProcessTest : public ::testing::Test {
protected:
    // `args` is shell text; `output` where standard output goes.
    Result admin(const std::string& args, const std::string& output,
                 const std::string& language = "C") {
        const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + language +
                                    " '" VANTOR_ADMIN "' --dir '" + dir.path() + "' " + args +
                                    " </dev/null >" + output + " 2>'" + dir.file("err") + "'";
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), readFile(dir.file("err"))};
    }

    TempDir dir;
};

TEST_F(ProcessTest, AFullDiskOnStandardOutputIsAFileError) {
    ASSERT_EQ(admin("user add ann", "/dev/null").code, 0);
    for (const char* args : {"user export", "user export --format json", "user list --json",
                             "user list", "user show ann"}) {
        const Result run = admin(args, "/dev/full");
        EXPECT_EQ(run.code, 3) << args;
        EXPECT_EQ(run.err.rfind("vantor-admin: could not write standard output: ", 0), 0u)
            << args << run.err;
    }
}

TEST_F(ProcessTest, MessagesFollowTheChineseLocale) {
    ASSERT_EQ(admin("user add ann", "/dev/null").code, 0);
    const Result run = admin("user add ann", "/dev/null", "zh_TW.UTF-8");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "vantor-admin: 名為 ann 的帳號已經存在\n");
    EXPECT_EQ(admin("user add ann --nope", "/dev/null", "zh_TW.UTF-8").code, 2);
}

// Reads what the terminal shows until `text` appears; false at its end.
bool readUntil(int terminal, const std::string& text, std::string& shown) {
    char buffer[256];
    while (shown.find(text) == std::string::npos) {
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

// `user passwd ann` on a terminal of its own, standard output to `out`.
pid_t passwdOnTerminal(const std::string& directory, const std::string& out, int& terminal) {
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        if (std::freopen(out.c_str(), "w", stdout) == nullptr)
            std::_Exit(99);
        ::alarm(30); // a program that waits for more input ends all the same
        ::execl(VANTOR_ADMIN, VANTOR_ADMIN, "--dir", directory.c_str(), "user", "passwd", "ann",
                static_cast<char*>(nullptr));
        std::_Exit(98);
    }
    return child;
}

// On a terminal the password is asked for twice, never shown as typed, and
// standard output stays empty; Ctrl-C at the prompt leaves the echo on.
TEST_F(ProcessTest, PasswdAsksTwiceOnATerminalWithTheEchoOff) {
    ASSERT_EQ(admin("user add ann", "/dev/null").code, 0);
    const std::string out = dir.file("out");
    for (const std::string second : {"typed pw", "other"}) {
        int terminal = -1;
        const pid_t child = passwdOnTerminal(dir.path(), out, terminal);
        ASSERT_GE(child, 0);
        std::string shown;
        EXPECT_TRUE(readUntil(terminal, "Password: ", shown));
        EXPECT_EQ(::write(terminal, "typed pw\n", 9), 9);
        EXPECT_TRUE(readUntil(terminal, "Password again: ", shown));
        const std::string line = second + "\n";
        EXPECT_EQ(::write(terminal, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        readUntil(terminal, "\x01", shown);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(terminal);
        EXPECT_EQ(WEXITSTATUS(status), second == "typed pw" ? 0 : 1) << shown;
        EXPECT_EQ(shown.find("typed"), std::string::npos) << shown;
        EXPECT_EQ(readFile(out), "");
    }
    EXPECT_EQ(readFile(dir.file("default.user")), "ann:4:typed pw::1:0:0:0:0:0:0:0::default\r\n");

    int terminal = -1;
    const pid_t child = passwdOnTerminal(dir.path(), out, terminal);
    ASSERT_GE(child, 0);
    std::string shown;
    EXPECT_TRUE(readUntil(terminal, "Password: ", shown));
    EXPECT_EQ(::write(terminal, "\x03", 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    termios after{};
    ASSERT_EQ(::tcgetattr(terminal, &after), 0);
    ::close(terminal);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_NE(after.c_lflag & ECHO, 0u);
}

// The state goes on standard input: while the program reads it, its command
// line holds no password, nor does anything it writes after.
TEST_F(ProcessTest, ApplyKeepsThePasswordOffItsCommandLine) {
    writeFile(dir.file("secret"), "file secret\n");
    int input[2];
    ASSERT_EQ(::pipe(input), 0);
    const std::string out = dir.file("out");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string directory = dir.path();
        if (::dup2(input[0], STDIN_FILENO) < 0 || std::freopen(out.c_str(), "w", stdout) == nullptr)
            std::_Exit(99);
        ::close(input[1]);
        ::execl(VANTOR_ADMIN, VANTOR_ADMIN, "--dir", directory.c_str(), "apply", "-", "--diff",
                "--json", static_cast<char*>(nullptr));
        std::_Exit(98);
    }
    ::close(input[0]);
    const std::string state =
        R"({"accounts": [{"name": "ann", "password_file": ")" + dir.file("secret") + R"("}]})";
    ASSERT_EQ(::write(input[1], state.data(), state.size()), static_cast<ssize_t>(state.size()));
    // Until the input ends the program waits for more, with its command line in place.
    std::string commandLine;
    for (int tries = 0; tries < 100 && commandLine.find("apply") == std::string::npos; ++tries) {
        ::usleep(10000);
        commandLine = readFile("/proc/" + std::to_string(child) + "/cmdline");
    }
    ::close(input[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_NE(commandLine.find("apply"), std::string::npos);
    EXPECT_EQ(commandLine.find("secret"), std::string::npos);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(readFile(out).find("ann:4:********:"), std::string::npos) << readFile(out);
    EXPECT_EQ(readFile(out).find("secret"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("default.user")),
              "ann:4:file secret::1:0:0:0:0:0:0:0::default\r\n");
}

} // namespace
