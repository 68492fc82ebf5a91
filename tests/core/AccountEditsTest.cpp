#include "core/users/AccountEdits.h"
#include "core/users/AccountImport.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

TEST(AccountEditsTest, AddChangeRemoveKeepTheOtherLinesAndTheirEntries) {
    TempDir dir;
    const std::string users = dir.file("a.user"), allow = dir.file("a.allow");
    writeFile(users, "zed:2::ops:1:0:0:0:0:0:0:0::default\r\nbad line\r\n");
    writeFile(allow, "ann@10.1.\r\n10.2.0.1\r\nzed@10.3.\r\n");
    EXPECT_TRUE(AddAccount(users, NewUserLine("ann")));
    EXPECT_FALSE(AddAccount(users, NewUserLine("zed")));
    EXPECT_THROW(AddAccount(users, NewUserLine("a:b")), InvalidInput);

    AccountFields fields;
    fields.values.ratio = 7;
    fields.values.note = "ignored";
    fields.give(UserField::Ratio);
    EXPECT_TRUE(ChangeAccount(users, "ann", fields));
    EXPECT_FALSE(ChangeAccount(users, "ghost", fields));
    EXPECT_EQ(FindAccount(users, "ann")->ratio, 7u);
    EXPECT_EQ(FindAccount(users, "ann")->note, "");
    EXPECT_FALSE(FindAccount(users, "an"));

    EXPECT_TRUE(RemoveAccount(users, "ann", allow));
    EXPECT_FALSE(RemoveAccount(users, "ann", allow));
    EXPECT_EQ(readFile(users), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\nbad line\r\n");
    // Rewritten in the order a reading lists the lines: the first one first.
    EXPECT_EQ(readFile(allow), "zed@10.3.\r\n10.2.0.1\r\n");
}

// Rows come one at a time; one problem anywhere keeps the file as it was.
TEST(AccountImportTest, ChecksEveryRowBeforeTheOneWrite) {
    TempDir dir;
    const std::string users = dir.file("a.user");
    writeFile(users, "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");
    const auto rows = [](std::vector<std::pair<std::string, std::uint32_t>> named) {
        auto next = std::make_shared<std::size_t>(0);
        return [named, next](ImportRow& row) {
            if (*next == named.size())
                return false;
            row = {};
            row.line = *next + 2;
            row.fields.values.name = named[*next].first;
            row.fields.values.ratio = named[*next].second;
            row.fields.give(UserField::Name);
            row.fields.give(UserField::Ratio);
            ++*next;
            return true;
        };
    };
    const auto write = [] { return true; };
    ImportResult refused =
        ImportAccounts(users, rows({{"ann", 1}, {"zed", 2}, {"ann", 3}}), false, write);
    ASSERT_EQ(refused.problems.size(), 2u);
    EXPECT_EQ(refused.problems[0].kind, ImportProblem::Kind::NameExists);
    EXPECT_EQ(refused.problems[1].kind, ImportProblem::Kind::NameRepeated);
    EXPECT_EQ(refused.problems[1].earlierLine, 2u);
    EXPECT_FALSE(refused.written);
    EXPECT_FALSE(ImportAccounts(users, rows({{"ann", 1}}), false, [] { return false; }).written);
    EXPECT_EQ(readFile(users), "zed:2::ops:1:0:0:0:0:0:0:0::default\r\n");

    const ImportResult done = ImportAccounts(users, rows({{"ann", 1}, {"zed", 2}}), true, write);
    EXPECT_TRUE(done.written);
    EXPECT_EQ(done.added, std::vector<std::string>{"ann"});
    EXPECT_EQ(done.changed, std::vector<std::string>{"zed"});
    EXPECT_EQ(readFile(users), "zed:2::ops:1:0:0:2:0:0:0:0::default\r\n"
                               "ann:4:::1:0:0:1:0:0:0:0::default\r\n");
}

} // namespace
