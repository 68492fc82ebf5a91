#include "core/users/UserFile.h"
#include "core/users/Validation.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

using namespace vantor;
using vantor::test::exists;
using vantor::test::permissionBits;
using vantor::test::readFile;
using vantor::test::TempDir;
using vantor::test::writeFile;

using Lines = std::vector<std::string>;

namespace {

std::string line(const std::string& name, const std::string& group = "staff") {
    return name + ":2::" + group + ":1:0:0:0:0:0:0:0::default";
}

std::string fileOf(const Lines& lines) {
    std::string bytes;
    for (const auto& l : lines)
        bytes += l + "\r\n";
    return bytes;
}

} // namespace

TEST(UserFile, StoreReplacesTheAccountAndMovesItBehindTheFirstLine) {
    TempDir dir;
    const std::string file = dir.file("a.user");
    writeFile(file, fileOf({line("a"), line("b"), line("c")})); // read back as a, c, b

    EXPECT_TRUE(StoreUserLine(file, "b", line("b", "new")));
    EXPECT_EQ(readFile(file), fileOf({line("a"), line("b", "new"), line("c")}));
    // The first line moves too: the next one becomes first.
    EXPECT_TRUE(StoreUserLine(file, "a", line("a", "new")));
    EXPECT_EQ(readFile(file), fileOf({line("c"), line("a", "new"), line("b", "new")}));
    EXPECT_FALSE(StoreUserLine(file, "d", line("d")));
    EXPECT_EQ(readFile(file), fileOf({line("c"), line("d"), line("b", "new"), line("a", "new")}));
}

TEST(UserFile, NewFilesAreForTheirOwnerOnlyAndOldOnesKeepTheirBits) {
    TempDir dir;
    const std::string file = dir.file("new.user");
    EXPECT_FALSE(StoreUserLine(file, "alice", line("alice")));
    EXPECT_TRUE(StoreUserLine(file, "alice", line("alice", "other")));
    EXPECT_EQ(readFile(file), fileOf({line("alice", "other")}));
    EXPECT_EQ(permissionBits(file), 0600u);

    writeFile(dir.file("shared.user"), "");
    ::chmod(dir.file("shared.user").c_str(), 0644);
    StoreUserLine(dir.file("shared.user"), "alice", line("alice"));
    EXPECT_EQ(permissionBits(dir.file("shared.user")), 0644u);
}

TEST(UserFile, TwoLinesOfOneNameActOnTheFirstOnly) {
    TempDir dir;
    const std::string file = dir.file("dup.user");
    const Lines twice{line("x"), line("dup", "first"), line("dup", "second")};
    writeFile(file, fileOf(twice)); // read back as x, dup second, dup first

    EXPECT_TRUE(StoreUserLine(file, "dup", line("dup", "third")));
    EXPECT_EQ(readFile(file), fileOf({line("x"), line("dup", "third"), line("dup", "first")}));
    RemoveUserLine(file, "dup"); // read back as x, dup first, dup third
    EXPECT_EQ(readFile(file), fileOf({line("x"), line("dup", "third")}));

    // Storing the very line a second copy already holds leaves one copy.
    writeFile(file, fileOf(twice));
    EXPECT_TRUE(StoreUserLine(file, "dup", line("dup", "first")));
    EXPECT_EQ(readFile(file), fileOf({line("x"), line("dup", "first")}));
}

TEST(UserFile, RemoveRewritesTheFileAlsoWhenNoAccountMatches) {
    TempDir dir;
    const std::string file = dir.file("r.user");
    writeFile(file, line("a") + "\n" + line("b") + "\n");
    for (const char* unknown : {"nobody", "A", "b:2"})
        RemoveUserLine(file, unknown);
    EXPECT_EQ(readFile(file), fileOf({line("a"), line("b")}));
    RemoveUserLine(file, "a");
    EXPECT_EQ(readFile(file), fileOf({line("b")}));
    EXPECT_THROW(RemoveUserLine("", "a"), FileError);
}

TEST(UserFile, ListsUserNamesAndEveryDistinctGroup) {
    TextLineList lines;
    for (const auto& [name, group] : {std::pair{"u1", "staff"},
                                      {"u2", "st"},
                                      {"u3", ""},
                                      {"u4", "STAFF"},
                                      {"u5", "ops"},
                                      {"u6", "ops2"},
                                      {"u1", "x"}})
        lines.append(line(name, group));
    lines.append("short:2");
    EXPECT_EQ(ListUserNames(lines), (Lines{"u1", "u2", "u3", "u4", "u5", "u6", "u1", "short"}));
    EXPECT_EQ(ListGroupNames(lines), (Lines{"staff", "st", "STAFF", "ops", "ops2", "x"}));
}

// The list handed back must be what a reading of the written file gives, in
// its order: the dialog shows and saves it instead of reading the file again.
TEST(UserFile, StoreAndRemoveHandBackTheFileAsItNowReads) {
    TempDir dir;
    const std::string file = dir.file("back.user");
    writeFile(file, fileOf({line("x"), line("dup", "first"), line("dup", "second"), line("y")}));
    TextLineList handed;
    TextLineList read;
    UserLine user;
    user.name = "dup";
    EXPECT_TRUE(StoreUserLine(file, user, handed));
    LoadUserLineList(file, read);
    EXPECT_EQ(handed.lines(), read.lines());
    RemoveUserLine(file, "y", handed);
    LoadUserLineList(file, read);
    EXPECT_EQ(handed.lines(), read.lines());

    user.password = "a:b";
    EXPECT_THROW(StoreUserLine(file, user, handed), InvalidInput);
    EXPECT_THROW(RemoveUserLine(dir.file("no/such.user"), "x", handed), FileError);
    EXPECT_EQ(handed.lines(), read.lines());
}

TEST(UserFile, SaveRefusesAnEmptyListAndKeepsTheFile) {
    TempDir dir;
    const std::string file = dir.file("s.user");
    writeFile(file, "old\r\n");
    TextLineList lines;
    EXPECT_FALSE(SaveUserLineList(lines, file));
    EXPECT_EQ(readFile(file), "old\r\n");

    LoadUserLineList(dir.file("missing.user"), lines);
    EXPECT_FALSE(SaveUserLineList(lines, dir.file("none.user")));
    EXPECT_FALSE(exists(dir.file("none.user")));
    lines.append("n:2");
    EXPECT_TRUE(SaveUserLineList(lines, file));
    EXPECT_EQ(readFile(file), "n:2\r\n");
}

TEST(UserFile, RefusedAccountsWriteNothing) {
    TempDir dir;
    const std::string file = dir.file("v.user");
    writeFile(file, "a:2\r\n");
    auto refusal = [&](const std::string& name, const std::string& text) {
        try {
            StoreUserLine(file, name, text);
        } catch (const InvalidInput& error) {
            return error.rule();
        }
        return InputRule::Ok;
    };
    EXPECT_EQ(refusal("", ":2"), InputRule::NameEmpty);
    EXPECT_EQ(refusal("b@c", "b@c:2"), InputRule::NameHasAt);
    EXPECT_EQ(refusal("b", "b:2\nc:2"), InputRule::FieldHasLineBreak);
    EXPECT_EQ(refusal("b", "b:" + std::string(510, 'n')), InputRule::LineTooLong);
    EXPECT_EQ(refusal("b", "c:2"), InputRule::LineNameMismatch);
    UserLine user;
    user.name = "b";
    user.password = "p:w";
    EXPECT_THROW(StoreUserLine(file, user), InvalidInput);
    EXPECT_EQ(readFile(file), "a:2\r\n");
    EXPECT_THROW(StoreUserLine(dir.file("never.user"), "", ""), InvalidInput);
    EXPECT_FALSE(exists(dir.file("never.user")));

    user.password = "pw";
    EXPECT_FALSE(StoreUserLine(file, user));
    EXPECT_EQ(readFile(file), fileOf({"a:2", FormatUserLine(user)}));
}

namespace {

// What an edit must write: the file read into a list, the account's first line
// and any copy of the new line taken out, the new line added, the list written.
std::string editedThroughList(const std::string& file, const std::string& name,
                              const std::string* stored) {
    TextLineList lines;
    ReadLineList(file, lines);
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (UserNameOf(*it) == name) {
            lines.remove(*it);
            break;
        }
    if (stored != nullptr) {
        lines.remove(*stored);
        lines.add(*stored);
    }
    std::string bytes;
    for (std::string_view entry : lines)
        bytes.append(entry).append("\r\n");
    return bytes;
}

} // namespace

// A file whose reading lost content is written only with the caller's
// consent, and then as the list read from it would be.
TEST(UserFile, EditsWriteWhatTheListWouldOnAwkwardFiles) {
    TempDir dir;
    const std::string file = dir.file("odd.user");
    const WriteConsent accepted{true, {}};
    const std::string longLine = "bob:" + std::string(507, 'p') + "bob:9:tail";
    const Lines contents{"\r\n\r\n",
                         "bob:1\r\nbobby:2\nBob:3\n\nbob:4\r\nbob:1\nal:5\rx\nbob:\n:6\nbob:4",
                         longLine + "\r\nbob:1\nbob:9:tail\n\x1A"
                                    "bob:7\n",
                         "al:1\nbob:2\nbob:2:x\nbob:3\n"};
    for (const std::string& content : contents)
        for (const std::string name : {"bob", "Bob", "bo", "al", ""}) {
            SCOPED_TRACE(testing::PrintToString(content) + " " + name);
            writeFile(file, content);
            const std::string removed = editedThroughList(file, name, nullptr);
            if (FindReadingLoss(content)) {
                EXPECT_THROW(RemoveUserLine(file, name), FileError);
                EXPECT_EQ(readFile(file), content);
            }
            TextLineList lines;
            RemoveUserLine(file, name, lines, nullptr, accepted);
            EXPECT_EQ(readFile(file), removed);

            for (const std::string& stored : {name + ":4", name + ":9:tail"}) {
                if (CheckUserLineText(name, stored) != InputRule::Ok)
                    continue;
                writeFile(file, content);
                const std::string expected = editedThroughList(file, name, &stored);
                FileChange change(file, UserFileChange(accepted));
                change.write(UserFileWith(change, name, stored));
                EXPECT_EQ(readFile(file), expected);
            }
        }
}
