// Runs the built vantor-admin on temporary folders, as a shell script would.
#include "core/server/FolderCheck.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace vantor;
using namespace vantor::test;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

class AdminTest : public ::testing::Test {
protected:
    // `args` is shell text; the program runs in `dir` with `input` on its
    // standard input and the messages in `language`.
    Result admin(const std::string& args, const std::string& input = {},
                 const std::string& language = "C") {
        writeFile(scratch.file("in"), input);
        const std::string command =
            "cd '" + dir.path() + "' && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + language +
            " '" VANTOR_ADMIN "' " + args + " <'" + scratch.file("in") + "' >'" +
            scratch.file("out") + "' 2>'" + scratch.file("err") + "'";
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), readFile(scratch.file("out")), readFile(scratch.file("err"))};
    }
    std::string userFile() const { return dir.file("default.user"); }

    TempDir dir;
    TempDir scratch;
};

// The same edits through the command and through the calls the account
// dialog makes leave the same bytes.
TEST_F(AdminTest, AccountEditsWriteWhatTheDialogWrites) {
    TempDir dialog;
    const std::string dialogFile = dialog.file("default.user");
    for (const char* name : {"carol", "alice", "bob"}) {
        UserLine account = NewUserLine(name);
        account.group = "staff";
        StoreUserLine(dialogFile, account);
        EXPECT_EQ(admin(std::string("user add ") + name + " --group staff").code, 0);
    }
    UserLine bob = NewUserLine("bob");
    bob.group = "staff";
    bob.level = 2;
    bob.password = "s3 cret";
    bob.ratio = 3;
    bob.accountAllowed = false;
    StoreUserLine(dialogFile, bob);
    EXPECT_EQ(
        admin("user set bob --password-stdin --level normal --ratio 3 --disabled", "s3 cret\n")
            .code,
        0);
    RemoveUserLine(dialogFile, "carol");
    EXPECT_EQ(admin("user remove carol").code, 0);
    EXPECT_EQ(readFile(userFile()), readFile(dialogFile));
    EXPECT_EQ(permissionBits(userFile()), 0600u);

    EXPECT_EQ(admin("user list").out, "alice\nbob\n");
    EXPECT_EQ(admin("user list --group ops").out, "");
    EXPECT_NE(admin("user show bob --show-password").out.find("password: s3 cret\n"),
              std::string::npos);
    EXPECT_EQ(admin("user show bob").out.find("password"), std::string::npos);
    EXPECT_NE(admin("user show bob --json").out.find(R"("enabled":false,"download_limit":0)"),
              std::string::npos);
}

TEST_F(AdminTest, ImportWithOneBadRowWritesNothingAndNamesTheRow) {
    writeFile(userFile(), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");
    writeFile(dir.file("new.csv"), "name,level,ratio\nann,guest,1\nben,boss,2\nzed,,3\n");
    const Result run = admin("user import new.csv");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("new.csv:3: level:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("new.csv:4: an account named zed"), std::string::npos) << run.err;
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");

    writeFile(dir.file("new.csv"), "name,ratio\nann,1\nzed,3\n");
    const Result dry = admin("user import new.csv --update --dry-run");
    EXPECT_EQ(dry.out, "add ann\nchange zed\n");
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(admin("user import new.csv --update").code, 0);
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:3:0:0:0:0::default\r\n"
                                    "ann:4:::1:0:0:1:0:0:0:0::default\r\n");
}

TEST_F(AdminTest, ExportThenImportIntoAnEmptyFolderGivesTheSameFile) {
    const std::string accounts = "ann:0:p,w \"q\":ops:1:5:6:7:8:1:9:10: a note, quoted \":cht\r\n"
                                 "ben:4:::0:0:0:0:0:0:0:0::\r\n"
                                 "cy:3:x:g:1:-1:0:0:0:0:4294967295:0:n:jpn\r\n";
    writeFile(userFile(), accounts);
    for (const std::string_view format : {"csv", "json"}) {
        const Result exported = admin("user export --format " + std::string(format));
        ASSERT_EQ(exported.code, 0);
        if (format == "json") {
            EXPECT_NE(exported.out.find(R"("password":"p,w \"q\"")"), std::string::npos);
            continue;
        }
        TempDir empty;
        writeFile(scratch.file("export.csv"), exported.out);
        EXPECT_EQ(
            admin("--dir '" + empty.path() + "' user import '" + scratch.file("export.csv") + "'")
                .code,
            0);
        EXPECT_EQ(readFile(empty.file("default.user")), accounts);
    }
}

TEST_F(AdminTest, ExitCodesSayHowTheCommandEnded) {
    EXPECT_EQ(admin("user add ann").code, 0);
    EXPECT_EQ(admin("user add ann").code, 1);
    EXPECT_EQ(admin("user add 'a:b'").code, 1);
    EXPECT_EQ(admin("user set nobody --note x").code, 1);
    EXPECT_EQ(admin("user set ann --ratio many").code, 1);
    EXPECT_EQ(admin("user add ann --frobnicate").code, 2);
    EXPECT_EQ(admin("user show").code, 2);
    writeFile(dir.file("second.user"), "");
    const Result ambiguous = admin("user list");
    EXPECT_EQ(ambiguous.code, 2);
    EXPECT_NE(ambiguous.err.find("second.user"), std::string::npos);
    EXPECT_NE(ambiguous.err.find("default.user"), std::string::npos);
    ::mkdir(dir.file("folder.user").c_str(), 0700);
    const Result unreadable = admin("--user-file folder.user user list");
    EXPECT_EQ(unreadable.code, 3);
    EXPECT_NE(unreadable.err.find("folder.user"), std::string::npos);
}

TEST_F(AdminTest, AddressesMountPointsAndServers) {
    ::mkdir(dir.file("root").c_str(), 0700);
    EXPECT_EQ(admin("server create s1 --root root --port 2121 --set TIMEOUT=0").code, 0);
    EXPECT_NE(readFile(dir.file("s1.ftpd")).find("LISTEN_PORT=2121\r\n"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("ftpmarlin.startup")), "ftpdstart s1.ftpd\r\n");
    EXPECT_EQ(admin("server set s1 ANON_MAX=0").code, 1);
    EXPECT_EQ(admin("server set s1 ANON_MAX=9").code, 0);
    EXPECT_NE(readFile(dir.file("s1.ftpd")).find("ANON_MAX=9\r\n"), std::string::npos);

    EXPECT_EQ(admin("user add ann").code, 0);
    EXPECT_EQ(admin("allow add 10.1. --user ann").code, 0);
    EXPECT_EQ(admin("allow add 10.2.0.1 --all").code, 0);
    EXPECT_EQ(admin("allow add 10.3 --user ann").code, 1);
    const Result admitted = admin("allow check ann 10.1.2.3");
    EXPECT_EQ(admitted.code, 0);
    EXPECT_EQ(admitted.out, "ann@10.1.\tadmits\n10.2.0.1\nip_check_off: 0\n");
    EXPECT_EQ(admin("allow check ann 10.2.0.2").code, 1);
    EXPECT_EQ(admin("user remove ann --with-addresses").code, 0);
    EXPECT_EQ(readFile(dir.file("default.allow")), "10.2.0.1\r\n");

    const Result added = admin("vfs add root /pub --perms 750");
    EXPECT_EQ(added.code, 0);
    EXPECT_NE(added.err.find("empty directory owner , using default"), std::string::npos);
    EXPECT_EQ(admin("vfs add root /pub").code, 1);
    EXPECT_EQ(admin("vfs remove /").code, 1);
    EXPECT_EQ(admin("vfs set /pub --no-inherit --virtual /files").code, 0);
    EXPECT_EQ(readFile(dir.file("s1.vfs")), dir.file("root") + "|/|default|default|754|r\r\n" +
                                                dir.file("root") +
                                                "|/files|default|default|750|n\r\n");
}

// One fault of each kind the check reports, each found.
TEST_F(AdminTest, CheckFindsEveryPlantedFault) {
    ::mkdir(dir.file("root").c_str(), 0700);
    writeFile(userFile(), "ann:2::ops:1:0:0:0:0:0:0:0::default\r\n"
                          "ben:2\r\nann:3::ops:1:0:0:0:0:0:0:0::default\r\n"
                          "cy:7::ops:1:x:0:0:0:0:0:0::klingon\r\n"
                          "d@n:2::ops:1:0:0:0:0:0:0:0::default\r\n" +
                              std::string(600, 'z') + "\r\n\x1A lost\r\n");
    ::chmod(userFile().c_str(), 0644);
    writeFile(dir.file("default.allow"), "ghost@10.0.0.1\r\n300.1.\r\n");
    writeFile(dir.file("s.vfs"), dir.file("root") + "|/a|nobody|nogroup|7a4|r\r\n" +
                                     "/missing|/a|ann|ops|754|r\r\nshort|line\r\n");
    writeFile(dir.file("s.ftpd"), "[FTPD]\r\nUSRFILE=default.user\r\nVFSFILE=gone.vfs\r\n");
    writeFile(dir.file("ftpmarlin.startup"), "ftpdstart other.ftpd\r\n");
    const Result run = admin("check --json");
    EXPECT_EQ(run.code, 1);
    std::set<std::string> kinds;
    for (std::size_t at = 0; (at = run.out.find("\"kind\":\"", at)) != std::string::npos;) {
        at += 8;
        kinds.insert(run.out.substr(at, run.out.find('"', at) - at));
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(CheckFinding::Kind::ConfigFileMissing) + 1)
        << run.out;
    EXPECT_NE(admin("check").out.find(userFile() + ":3: warning: "), std::string::npos);
}

TEST_F(AdminTest, MessagesFollowTheChineseLocale) {
    EXPECT_EQ(admin("user add ann").code, 0);
    const Result run = admin("user add ann", {}, "zh_TW.UTF-8");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "名為 ann 的帳號已經存在\n");
    EXPECT_EQ(admin("user add ann").err, "an account named ann exists already\n");
}

} // namespace
