// apply on temporary folders, in the test's process: the files a state
// gives, a second run that writes nothing, --check, --prune, passwords set
// once, a faulty state refused whole, and the diff against patch(1).
#include "AdminRun.h"

#include "cli/LineDiff.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sys/stat.h>

using namespace vantor;
using namespace vantor::test;

namespace {

class ApplyTest : public AdminRun {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() + "/files/pub");
        writeFile(dir.file("secret"), "first secret\n");
    }

    // The example state: a server, two accounts, three addresses, a mount point.
    std::string state(const std::string& port = "2121", const std::string& more = {}) const {
        const std::string files = dir.path() + "/files";
        return R"({"servers": [{"name": "web", "root": ")" + files +
               R"(", "keys": {"LISTEN_PORT": ")" + port +
               R"("}, "enabled": true}],
 "accounts": [{"name": "alice", "group": "staff", "level": "normal", "password_file": ")" +
               dir.file("secret") + R"("},
              {"name": "bob", "ratio": 3, "note": [200, 201]}, {"name": "old", "state": "absent"})" +
               more + R"(],
 "addresses": [{"account": "alice", "address": "10.0.0."}, {"address": "192.168.1."}],
 "mounts": [{"virtual": "/pub", "physical": ")" +
               files + R"(/pub", "owner": "alice", "group": "staff", "permissions": "750"}]})";
    }

    AdminResult apply(const std::string& json, const std::string& options = {}) {
        writeFile(dir.file("state.json"), json);
        return admin("apply " + dir.file("state.json") + " " + options);
    }

    // Every file of the folder with its bytes and modification time.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            struct stat status {};
            if (!entry.is_regular_file() || entry.path().filename() == "state.json" ||
                ::stat(entry.path().c_str(), &status) != 0)
                continue;
            files[entry.path().filename()] = std::to_string(status.st_mtim.tv_nsec) + ":" +
                                             std::to_string(status.st_mtim.tv_sec) + ":" +
                                             readFile(entry.path());
        }
        return files;
    }
};

TEST_F(ApplyTest, AFirstApplyWritesTheStateAndASecondNothing) {
    writeFile(userFile(), "old:2:x:ops:1:0:0:0:0:0:0:0::default\r\n");
    ::chmod(userFile().c_str(), 0600);
    writeFile(dir.file("default.allow"), "old@10.9.9.\r\n");
    const AdminResult first = apply(state());
    ASSERT_EQ(first.code, 0) << first.err;
    const std::string files = dir.path() + "/files";
    EXPECT_EQ(readFile(userFile()), "alice:2:first secret:staff:1:0:0:0:0:0:0:0::default\r\n"
                                    "bob:4:::1:0:0:3:0:0:0:0:\xC8\xC9:default\r\n");
    EXPECT_EQ(readFile(dir.file("default.allow")), "alice@10.0.0.\r\n192.168.1.\r\n");
    EXPECT_EQ(readFile(dir.file("web.vfs")),
              files + "|/|default|default|754|r\r\n" + files + "/pub|/pub|alice|staff|750|r\r\n");
    EXPECT_EQ(readFile(dir.file("ftpmarlin.startup")), "ftpdstart web.ftpd\r\n");
    const std::string config = readFile(dir.file("web.ftpd"));
    EXPECT_NE(config.find("\r\nLISTEN_PORT=2121\r\n"), std::string::npos);
    EXPECT_NE(config.find("\r\nUSRFILE=" + userFile() + "\r\n"), std::string::npos);
    const AdminResult check = admin("check --strict");
    EXPECT_EQ(check.code, 0) << check.out << check.err;
    EXPECT_EQ(first.out, "account alice: added\naccount bob: added\naccount old: removed\n"
                         "address alice@10.0.0.: added\naddress 192.168.1.: added\n"
                         "address old@10.9.9.: removed\nserver web: added\nmount /pub: added\n");

    // The same bytes as server create writes for the same server.
    TempDir other;
    ASSERT_EQ(adminWords({"--dir", other.path(), "server", "create", "web", "--root", files,
                          "--port", "2121"})
                  .code,
              0);
    std::string created = readFile(other.file("web.ftpd"));
    for (std::size_t at; (at = created.find(other.path())) != std::string::npos;)
        created.replace(at, other.path().size(), dir.path());
    EXPECT_EQ(config, created);

    const auto written = snapshot();
    const AdminResult second = apply(state());
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err,
              "vantor-admin: the folder is in the state already , nothing was written\n");
    EXPECT_EQ(snapshot(), written);
}

TEST_F(ApplyTest, CheckWritesNothingAndSaysWhetherChangesArePending) {
    ASSERT_EQ(apply(state()).code, 0);
    const auto before = snapshot();
    const AdminResult check = apply(state("2122"), "--check --json");
    EXPECT_EQ(check.code, 4);
    EXPECT_NE(check.out.find(R"({"name":"web","outcome":"changed","fields":["LISTEN_PORT"]})"),
              std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find(R"("changed":true,"written":false)"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(apply(state("2122")).code, 0);
    EXPECT_EQ(apply(state("2122"), "--check").code, 0);
}

// Without --prune only what the state names is touched; with it what a
// given section leaves out goes, never the root, and a section not given
// stays as it is.
TEST_F(ApplyTest, PruneRemovesOnlyWhatTheStateLeavesOut) {
    ASSERT_EQ(apply(state(), "").code, 0);
    ASSERT_EQ(admin("user add carol --group staff").code, 0);
    ASSERT_EQ(admin("allow add 172.16. --user carol").code, 0);
    ASSERT_EQ(admin("allow add 172.17. --user bob").code, 0);
    ASSERT_EQ(admin("vfs add " + dir.path() + "/files /extra").code, 0);
    EXPECT_EQ(apply(state(), "--check").code, 0);

    const std::string files = dir.path() + "/files";
    const AdminResult pruned = apply(
        R"({"accounts": [{"name": "alice"}, {"name": "bob"}], "mounts": [{"virtual": "/pub"}]})",
        "--prune");
    ASSERT_EQ(pruned.code, 0) << pruned.err;
    EXPECT_EQ(pruned.out, "account carol: removed\naddress carol@172.16.: removed\n"
                          "mount /extra: removed\n");
    EXPECT_EQ(readFile(dir.file("default.allow")),
              "alice@10.0.0.\r\n192.168.1.\r\nbob@172.17.\r\n");
    EXPECT_EQ(readFile(dir.file("web.vfs")),
              files + "|/|default|default|754|r\r\n" + files + "/pub|/pub|alice|staff|750|r\r\n");
    const AdminResult empty = apply(R"({"addresses": [], "mounts": []})", "--prune");
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(readFile(dir.file("default.allow")), "");
    EXPECT_EQ(readFile(dir.file("web.vfs")), files + "|/|default|default|754|r\r\n");
    EXPECT_NE(readFile(userFile()).find("alice:"), std::string::npos);
}

TEST_F(ApplyTest, APasswordSetOnCreateIsNotChangedAgain) {
    const std::string bob = R"({"accounts": [{"name": "bob", "password": "one", )"
                            R"("update_password": "on_create"}]})";
    ASSERT_EQ(apply(bob).code, 0);
    EXPECT_EQ(readFile(userFile()), "bob:4:one::1:0:0:0:0:0:0:0::default\r\n");
    std::string other = bob;
    other.replace(other.find("one"), 3, "two");
    EXPECT_EQ(apply(other, "--check").code, 0);
    std::string always = other;
    always.replace(always.find("on_create"), 9, "always");
    const AdminResult changed = apply(always, "--json");
    EXPECT_NE(changed.out.find(R"("fields":["password"])"), std::string::npos) << changed.out;
    EXPECT_EQ(readFile(userFile()), "bob:4:two::1:0:0:0:0:0:0:0::default\r\n");
}

TEST_F(ApplyTest, AStateWithFaultsIsRefusedWholeWithEveryFaultNamed) {
    const auto before = snapshot();
    const AdminResult run = apply(R"({"accounts": [{"name": "ann"}, {"name": "bo:b"},
        {"name": "cy", "level": "boss", "password_file": "/no/such/file"}],
        "addresses": [{"account": "ghost", "address": "10.0.0.1"}]})");
    EXPECT_EQ(run.code, 1);
    const std::string state = dir.file("state.json");
    for (const std::string pointer : {"/accounts/1/name: ", "/accounts/2/level: ",
                                      "/accounts/2/password_file: ", "/addresses/0/account: "})
        EXPECT_NE(run.err.find("vantor-admin: " + state + ":" + pointer), std::string::npos)
            << pointer << run.err;
    EXPECT_NE(run.err.find("faults: 4 ,"), std::string::npos) << run.err;
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(exists(userFile()));
}

// A password file's secret shows nowhere: not in the outcome, the diff, the
// JSON or any message, also when the account's line is refused.
TEST_F(ApplyTest, APasswordFromAFileIsNeverShown) {
    for (const std::string options : {"--diff", "--json --diff", "--check --diff"}) {
        writeFile(dir.file("secret"), options + " secret\n");
        const AdminResult run = apply(state(), options);
        EXPECT_EQ(run.out.find("secret"), std::string::npos) << run.out;
        EXPECT_EQ(run.err.find("secret"), std::string::npos) << run.err;
        if (options.find("json") == std::string::npos) {
            EXPECT_NE(run.out.find("alice:2:********:staff:"), std::string::npos) << run.out;
        }
    }
    writeFile(dir.file("secret"), "a:colon\n");
    const AdminResult refused = apply(state());
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err.find("colon"), std::string::npos) << refused.err;
}

// A file whose reading lost content is written only with --force, as the
// other commands write it; a check of it writes nothing either way.
TEST_F(ApplyTest, ALossyFileNeedsForce) {
    writeFile(userFile(), "ann:2::g:1:0:0:0:0:0:0:0::default\r\n\x1A"
                          "lost:2::g:1:0:0:0:0:0:0:0::default\r\n");
    const std::string bob = R"({"accounts": [{"name": "bob"}]})";
    EXPECT_EQ(apply(bob, "--check").code, 4);
    const AdminResult refused = apply(bob);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_NE(readFile(userFile()).find("lost"), std::string::npos);
    EXPECT_EQ(apply(bob, "--force").code, 0);
    EXPECT_EQ(readFile(userFile()), "ann:2::g:1:0:0:0:0:0:0:0::default\r\n"
                                    "bob:4:::1:0:0:0:0:0:0:0::default\r\n");
}

// Applied with patch(1), each diff turns the old lines into the new ones.
TEST(LineDiff, PatchTurnsTheOldFileIntoTheNew) {
    TempDir dir;
    std::mt19937 random(7);
    const auto lines = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "line " + std::to_string(random() % 12) + "\n";
        return text;
    };
    for (int round = 0; round < 40; ++round) {
        const std::string before = lines(static_cast<int>(random() % 30));
        const std::string after = lines(static_cast<int>(random() % 30));
        writeFile(dir.file("file"), before);
        const std::string diff = admin::UnifiedDiff("file", before, after);
        EXPECT_EQ(diff.empty(), before == after);
        if (diff.empty())
            continue;
        writeFile(dir.file("diff"), diff);
        const std::string patch = "cd '" + dir.path() + "' && patch -s file < diff";
        ASSERT_EQ(std::system(patch.c_str()), 0) << diff;
        EXPECT_EQ(readFile(dir.file("file")), after) << diff;
    }
}

} // namespace
