#include "core/users/AllowFile.h"
#include "core/users/Validation.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantor;
using vantor::test::exists;
using vantor::test::readFile;
using vantor::test::TempDir;
using vantor::test::writeFile;

using Lines = std::vector<std::string>;

TEST(AllowFile, LoadYieldsSharedAddressesAndTheUsersOwn) {
    TempDir dir;
    const std::string file = dir.file("a.allow");
    // Read back as 10.0.0., ghost, alice@1.2.3.4@x, alice@, bob, alice@192...
    writeFile(file,
              "10.0.0.\nalice@192.168.1.5\nbob@172.16.\nalice@\nalice@1.2.3.4@x\nghost@9.9.9.9\n");
    TextLineList allowed;
    allowed.append("stale");
    EXPECT_EQ(LoadAllowedAddresses(file, allowed, "alice"),
              (Lines{"10.0.0.", "1.2.3.4", "192.168.1.5"}));
    EXPECT_EQ(allowed.size(), 6u);
    EXPECT_EQ(LoadAllowedAddresses(file, allowed, "Alice"), (Lines{"10.0.0."}));
    EXPECT_TRUE(LoadAllowedAddresses(dir.file("missing.allow"), allowed, "alice").empty());
    EXPECT_TRUE(allowed.empty());
}

TEST(AllowFile, AddKeepsOneEntryPerUserAndAddress) {
    TempDir dir;
    const std::string file = dir.file("new.allow");
    TextLineList allowed;
    EXPECT_FALSE(AddAllowedAddress(file, allowed, "alice", ""));
    EXPECT_FALSE(exists(file));
    EXPECT_TRUE(AddAllowedAddress(file, allowed, "alice", "192.168.1.5"));
    EXPECT_FALSE(AddAllowedAddress(file, allowed, "alice", "192.168.1.5"));
    EXPECT_TRUE(AddAllowedAddress(file, allowed, "bob", "192.168.1.5"));
    EXPECT_EQ(readFile(file), "alice@192.168.1.5\r\nbob@192.168.1.5\r\n");
}

TEST(AllowFile, SharedEntriesSurviveEveryAddAndRemove) {
    TempDir dir;
    const std::string file = dir.file("s.allow");
    writeFile(file, "10.0.0.\nalice@1.1.1.1\n");
    TextLineList allowed;
    LoadAllowedAddresses(file, allowed, "alice");
    AddAllowedAddress(file, allowed, "alice", "2.2.2.2");
    RemoveAllowedAddress(file, allowed, "alice", "1.1.1.1");
    RemoveAllowedAddress(file, allowed, "alice", "10.0.0.");
    RemoveAllowedAddress(file, allowed, "alice", "3.3.3.3");
    EXPECT_EQ(readFile(file), "10.0.0.\r\nalice@2.2.2.2\r\n");
    EXPECT_EQ(LoadAllowedAddresses(file, allowed, "bob"), (Lines{"10.0.0."}));

    writeFile(file, "untouched\n");
    RemoveAllowedAddress(file, allowed, "alice", "");
    EXPECT_EQ(readFile(file), "untouched\n");
    EXPECT_FALSE(SaveAllowedAddressList(TextLineList{}, file));
    EXPECT_EQ(readFile(file), "untouched\n");
}

TEST(AllowFile, RefusedOrFailedAddsChangeNeitherListNorFile) {
    TempDir dir;
    const std::string file = dir.file("v.allow");
    writeFile(file, "alice@1.1.1.1\r\n");
    TextLineList allowed;
    LoadAllowedAddresses(file, allowed, "alice");
    auto refusal = [&](const std::string& user, const std::string& address) {
        try {
            AddAllowedAddress(file, allowed, user, address);
        } catch (const InvalidInput& error) {
            return error.rule();
        }
        return InputRule::Ok;
    };
    EXPECT_EQ(refusal("alice", "1.2.3.4\r\nbob@5.6.7.8"), InputRule::AddressMalformed);
    EXPECT_EQ(refusal("ali@ce", "1.2.3.4"), InputRule::NameHasAt);
    EXPECT_EQ(refusal("", "1.2.3.4"), InputRule::NameEmpty);
    EXPECT_EQ(readFile(file), "alice@1.1.1.1\r\n");

    EXPECT_THROW(AddAllowedAddress(dir.file("no/folder.allow"), allowed, "alice", "2.2.2.2"),
                 FileError);
    EXPECT_EQ(allowed.lines(), (Lines{"alice@1.1.1.1"}));
}

TEST(AllowFile, RemovingTheFirstEntryKeepsListAndFileInStep) {
    TempDir dir;
    const std::string file = dir.file("f.allow");
    writeFile(file, "alice@1.1.1.1\nbob@2.2.2.2\nalice@3.3.3.3\n");
    TextLineList allowed;
    LoadAllowedAddresses(file, allowed, "alice");
    EXPECT_THROW(RemoveAllowedAddress(dir.file("no/folder.allow"), allowed, "alice", "1.1.1.1"),
                 FileError);
    EXPECT_EQ(allowed.size(), 3u);
    RemoveAllowedAddress(file, allowed, "alice", "1.1.1.1");
    AddAllowedAddress(file, allowed, "alice", "1.1.1.1");
    EXPECT_EQ(allowed.lines(), (Lines{"alice@3.3.3.3", "bob@2.2.2.2", "alice@1.1.1.1"}));
    EXPECT_EQ(readFile(file), "alice@3.3.3.3\r\nbob@2.2.2.2\r\nalice@1.1.1.1\r\n");
}
