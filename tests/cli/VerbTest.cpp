// Each verb of vantor-admin run in the test's process on a temporary folder:
// exit codes, standard output's bytes and the files' bytes.
#include "AdminRun.h"

#include "core/server/FolderCheck.h"
#include "core/users/UserFile.h"

#include <set>
#include <sys/stat.h>

using namespace vantor;
using namespace vantor::test;
using namespace std::string_literals;

namespace {

class VerbTest : public AdminRun {};

// The same edits through the command and through the calls the account
// dialog makes leave the same bytes.
TEST_F(VerbTest, AccountEditsWriteWhatTheDialogWrites) {
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

// A password is one line of standard input; an input no line can hold is
// refused after at most a line's worth of reading.
TEST_F(VerbTest, PasswdTakesOneLineAndRefusesEndlessInput) {
    ASSERT_EQ(admin("user add ann").code, 0);
    EXPECT_EQ(admin("user passwd ann", "n3w pw\r\nrest\n").code, 0);
    EXPECT_EQ(readFile(userFile()), "ann:4:n3w pw::1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(admin("user passwd ghost", "x\n").code, 1);
    EXPECT_EQ(admin("user passwd ann", "").code, 1);

    std::istringstream endless(std::string(1 << 20, 'p'));
    std::ostringstream out, err;
    EXPECT_EQ(admin::runAdmin({"--dir", dir.path(), "user", "passwd", "ann"}, endless, out, err),
              1);
    EXPECT_LT(endless.tellg(), 1024);
    EXPECT_EQ(readFile(userFile()), "ann:4:n3w pw::1:0:0:0:0:0:0:0::default\r\n");
}

TEST_F(VerbTest, ImportWithBadRowsWritesNothingAndNamesTheRows) {
    writeFile(userFile(), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");
    writeFile(dir.file("new.csv"), "name,level,ratio\nann,guest,1\nben,boss,2\nzed,,3\n");
    const AdminResult run = admin("user import " + dir.file("new.csv"));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("new.csv:3: level:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("new.csv:4: an account named zed"), std::string::npos) << run.err;
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");

    writeFile(dir.file("new.csv"), "name,ratio\nann,1\nzed,3\n");
    const AdminResult dry = admin("user import " + dir.file("new.csv") + " --update --dry-run");
    EXPECT_EQ(dry.out, "add ann\nchange zed\n");
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(admin("user import - --update", "name,ratio\nann,1\nzed,3\n").code, 0);
    EXPECT_EQ(readFile(userFile()), "zed:2::ops:1:0:0:3:0:0:0:0::default\r\n"
                                    "ann:4:::1:0:0:1:0:0:0:0::default\r\n");

    // Every name refused again is one message with the count.
    const AdminResult again = admin("user import - --format csv", "name\nann\nzed\n");
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(again.err, "vantor-admin: -:2: 2 of the accounts exist already , the first is ann "
                         ", --update changes them\nvantor-admin: nothing was written\n");
}

// Names, passwords and notes in Big5 or Latin-1 keep every byte through
// JSON, and an export imported into an empty folder gives the file again.
TEST_F(VerbTest, ExportThenImportGivesTheSameFileInBothFormats) {
    const std::string accounts = "ann:0:p,w \"q\":ops:1:5:6:7:8:1:9:10: a note, quoted \":cht\r\n"
                                 "caf\xE9:4:\xA7\x41::0:0:0:0:0:0:0:0:\x01\"\\:\r\n"
                                 "cy:3:x:g:1:-1:0:0:0:0:4294967295:0:n:jpn\r\n";
    writeFile(userFile(), accounts);
    const AdminResult listed = admin("user list --json --show-password");
    EXPECT_NE(listed.out.find(R"({"name":[99,97,102,233],"level":"","password":[167,65],)"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find(R"("note":"\u0001\"\\")"), std::string::npos);
    for (const std::string format : {"csv", "json"}) {
        const AdminResult exported = admin("user export --format " + format);
        ASSERT_EQ(exported.code, 0) << exported.err;
        TempDir empty;
        writeFile(empty.file("export." + format), exported.out);
        const AdminResult imported =
            adminWords({"--dir", empty.path(), "user", "import", empty.file("export." + format)});
        EXPECT_EQ(imported.code, 0) << imported.err;
        EXPECT_EQ(readFile(empty.file("default.user")), accounts) << format;
    }
    EXPECT_EQ(admin("user import - --format json", R"([{"name":[1,256]}])").code, 1);
    EXPECT_EQ(admin("user import - --format json", R"({"name":"x"})").code, 1);
}

// What an import could not give back is said with its line; the export is
// written whole all the same, and ends with exit 1.
TEST_F(VerbTest, ExportSaysWhichLinesItCanNotGiveExactly) {
    writeFile(userFile(), "ok:2::g:1:0:0:0:0:0:0:0::default\r\n"
                          "lvl:7::g:1:0:0:0:0:0:0:0::default\r\n"
                          "flag:2::g:5:0:0:0:0:3:0:0::default\r\n"
                          "num:2::g:1: 12:0:0:0:0:0:0::default\r\n"
                          "short:2:pw\r\n"
                          "ok:3::g:1:0:0:0:0:0:0:0::default\r\n");
    const AdminResult run = admin("user export");
    EXPECT_EQ(run.code, 1);
    std::set<std::string> lines;
    for (std::size_t at = 0; (at = run.err.find("default.user:", at)) != std::string::npos;)
        lines.insert(run.err.substr(at += 13, 1));
    EXPECT_EQ(lines, (std::set<std::string>{"2", "3", "4", "5", "6"})) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 7);
}

TEST_F(VerbTest, NamedFilesAreTakenFromTheFolderAndMustExistToBeRead) {
    EXPECT_EQ(admin("--user-file typo.user user list").code, 3);
    EXPECT_EQ(admin("user add ann --user-file staff.user").code, 0);
    EXPECT_EQ(readFile(dir.file("staff.user")), "ann:4:::1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(adminWords({"user", "list", "--dir", dir.path()}).out, "ann\n");
    EXPECT_EQ(admin("user show ann --allow-file x.allow --vfs-file x.vfs").code, 0);
    const AdminResult help = admin("user list --help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--user-file FILE"), std::string::npos) << help.out;
    EXPECT_NE(admin("user add --help").out.find("--ratio NUMBER"), std::string::npos);
}

TEST_F(VerbTest, ExitCodesSayHowTheCommandEnded) {
    EXPECT_EQ(admin("user add ann").code, 0);
    EXPECT_EQ(admin("user add ann").code, 1);
    EXPECT_EQ(admin("user add a:b").code, 1);
    EXPECT_EQ(admin("user set nobody --note x").code, 1);
    EXPECT_EQ(admin("user set ann --ratio many").code, 1);
    EXPECT_EQ(admin("user set ann").code, 2);
    EXPECT_EQ(admin("user add ann --frobnicate").code, 2);
    EXPECT_EQ(admin("user set ann --enabled --disabled").code, 2);
    EXPECT_EQ(admin("user export --format xml").code, 2);
    const AdminResult missing = admin("user show");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "vantor-admin: NAME is missing (see --help)\n");
    writeFile(dir.file("second.user"), "");
    const AdminResult ambiguous = admin("user list");
    EXPECT_EQ(ambiguous.code, 2);
    EXPECT_NE(ambiguous.err.find("second.user"), std::string::npos);
    ::mkdir(dir.file("folder.user").c_str(), 0700);
    const AdminResult unreadable = admin("--user-file folder.user user list");
    EXPECT_EQ(unreadable.code, 3);
    EXPECT_NE(unreadable.err.find("folder.user"), std::string::npos);
    EXPECT_EQ(adminWords({"--version"}).out, "vantor-admin 1.0\n");
}

TEST_F(VerbTest, AllowedAddresses) {
    EXPECT_EQ(admin("user add ann").code, 0);
    EXPECT_EQ(admin("allow add 10.1. --user ann").code, 0);
    EXPECT_EQ(admin("allow add 10.2.0.1 --all").code, 0);
    EXPECT_EQ(admin("allow add 10.3 --user ann").code, 1);
    EXPECT_EQ(admin("allow add 10.3.0.1 --user ghost").code, 1);
    EXPECT_EQ(admin("allow add 10.3.0.1").code, 2);
    EXPECT_EQ(admin("allow list --user ann").out, "ann@10.1.\n10.2.0.1\n");
    EXPECT_EQ(admin("allow list --json").out, "[\n{\"user\":\"ann\",\"address\":\"10.1.\"},\n"
                                              "{\"user\":null,\"address\":\"10.2.0.1\"}\n]\n");
    EXPECT_EQ(admin("allow list --user ghost").code, 1);
    const AdminResult admitted = admin("allow check ann 10.1.2.3");
    EXPECT_EQ(admitted.code, 0);
    EXPECT_EQ(admitted.out, "ann@10.1.\tadmits\n10.2.0.1\nip_check_off: 0\n");
    EXPECT_EQ(admin("allow check ann 10.2.0.2").code, 1);
    EXPECT_EQ(admin("allow check ann banana").code, 2);
    EXPECT_EQ(admin("allow check ann 10.1.").code, 2);
    EXPECT_EQ(admin("allow remove 10.2.0.1 --all").code, 0);
    EXPECT_EQ(admin("allow remove 10.2.0.1 --all").code, 1);
    EXPECT_EQ(admin("user remove ann --with-addresses").code, 0);
    EXPECT_EQ(readFile(dir.file("default.allow")), "");
}

TEST_F(VerbTest, MountPoints) {
    const std::string root = dir.file("root");
    ::mkdir(root.c_str(), 0700);
    writeFile(dir.file("s.vfs"), root + "|/|default|default|754|r\r\n");
    const AdminResult added = admin("vfs add " + root + " /pub --perms 750");
    EXPECT_EQ(added.code, 0);
    EXPECT_NE(added.err.find("empty directory owner , using default"), std::string::npos);
    EXPECT_EQ(admin("vfs add " + root + " /pub").code, 1);
    EXPECT_EQ(admin("vfs add " + root + " /x --owner ghost").code, 1);
    EXPECT_EQ(admin("vfs remove /").code, 1);
    EXPECT_EQ(admin("vfs set /pub").code, 2);
    EXPECT_EQ(admin("vfs set /pub --no-inherit --virtual /files").code, 0);
    EXPECT_EQ(readFile(dir.file("s.vfs")),
              root + "|/|default|default|754|r\r\n" + root + "|/files|default|default|750|n\r\n");
    EXPECT_NE(admin("vfs list --json").out.find(R"("permissions":"750","inherit":false})"),
              std::string::npos);
    EXPECT_EQ(admin("vfs remove /files").code, 0);
    EXPECT_EQ(admin("vfs list").out, root + "|/|default|default|754|r\n");
}

// A new server is one that check finds nothing wrong with, and the startup
// list is switched as a service manager switches units.
TEST_F(VerbTest, ServersAreCreatedListedShownAndSwitched) {
    const std::string root = dir.file("root");
    ::mkdir(root.c_str(), 0700);
    EXPECT_EQ(admin("server create s1 --root " + root + " --port 2121 --set LISTEN_PORT=21").code,
              1);
    EXPECT_EQ(admin("server create s1 --root " + root + " --port 2121 --set TIMEOUT=0").code, 0);
    EXPECT_EQ(readFile(dir.file("ftpmarlin.startup")), "ftpdstart s1.ftpd\r\n");
    const AdminResult checked = admin("check");
    EXPECT_EQ(checked.code, 0) << checked.out;
    EXPECT_EQ(checked.out.find("error"), std::string::npos) << checked.out;
    EXPECT_EQ(admin("server set s1 ANON_MAX=0").code, 1);
    EXPECT_EQ(admin("server set s1 ANON_MAX=9 USRFILE=staff.user").code, 0);
    const AdminResult shown = admin("server show s1");
    EXPECT_NE(shown.out.find("LISTEN_PORT=2121\nALLOW_ANON=1\n"), std::string::npos);
    EXPECT_NE(shown.out.find("USRFILE=" + dir.file("staff.user") + "\n"), std::string::npos);
    EXPECT_NE(admin("server show s1 --json").out.find(R"("ANON_MAX":"9")"), std::string::npos);
    EXPECT_EQ(admin("server show s2").code, 1);

    writeFile(dir.file("s2.ftpd"), "[FTPD]\r\n");
    EXPECT_EQ(admin("server list").out, "s1\tenabled\ns2\tdisabled\n");
    EXPECT_EQ(admin("server enable s2").code, 0);
    EXPECT_EQ(admin("server enable s2").err, "vantor-admin: s2.ftpd starts at launch already\n");
    EXPECT_EQ(admin("server disable s1").code, 0);
    EXPECT_EQ(admin("server disable s1").code, 0);
    EXPECT_EQ(admin("server enable s3").code, 1);
    EXPECT_EQ(readFile(dir.file("ftpmarlin.startup")), "ftpdstart s2.ftpd\r\n");
    EXPECT_NE(admin("server list --json")
                  .out.find(R"("file":")" + dir.file("s2.ftpd") + R"(","startup":true})"),
              std::string::npos);
}

// One fault of each kind the check reports, each found, in file and line
// order; an unreadable file is one of them and ends the run with exit 3.
TEST_F(VerbTest, CheckFindsEveryPlantedFault) {
    ::mkdir(dir.file("root").c_str(), 0700);
    writeFile(userFile(), "ann:2::ops:1:0:0:0:0:0:0:0::default\r\n"
                          "ben:2\r\nann:3::ops:1:0:0:0:0:0:0:0::default\r\n"
                          "cy:7::ops:1:x:0:0:0:0:0:0::klingon\r\n"
                          "d@n:2::ops:1:0:0:0:0:0:0:0::default\r\n" +
                              std::string(600, 'z') +
                              "\r\nnul:2::o\0ps:1:0:0:0:0:0:0:0::default\r\n"s + "\x1A lost\r\n");
    ::chmod(userFile().c_str(), 0644);
    writeFile(dir.file("default.allow"), "ghost@10.0.0.1\r\n300.1.\r\n");
    ::mkfifo(dir.file("x.allow").c_str(), 0600);
    writeFile(dir.file("s.vfs"), dir.file("root") + "|/a|nobody|nogroup|7a4|r\r\n" +
                                     "/missing|/a|ann|ops|754|r\r\nshort|line\r\n");
    writeFile(dir.file("s.ftpd"), "[FTPD]\r\nUSRFILE=default.user\r\nVFSFILE=gone.vfs\r\n");
    writeFile(dir.file("ftpmarlin.startup"), "ftpdstart other.ftpd\r\nrun s.ftpd\r\n");
    const AdminResult run = admin("check --json");
    EXPECT_EQ(run.code, 3);
    std::set<std::string> kinds;
    for (std::size_t at = 0; (at = run.out.find("\"kind\":\"", at)) != std::string::npos;) {
        at += 8;
        kinds.insert(run.out.substr(at, run.out.find('"', at) - at));
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(CheckFinding::Kind::ConfigFileMissing) + 1)
        << run.out;
    const AdminResult text = admin("check");
    EXPECT_NE(text.out.find(userFile() + ":3: warning: "), std::string::npos);
    EXPECT_NE(text.out.find(userFile() + ":7: error: a byte 0 "), std::string::npos);
    EXPECT_LT(text.out.find(dir.file("default.allow")), text.out.find(userFile()));
    EXPECT_LT(text.out.find(userFile()), text.out.find(dir.file("ftpmarlin")));
    EXPECT_NE(text.err.find("errors: "), std::string::npos);
}

} // namespace
