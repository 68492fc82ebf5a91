#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/DefinitionFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using vantor::test::TempDir;
using vantor::test::writeFile;

TEST(SECFileSystem, FilesAndFoldersExistButOnlyFoldersAreDirectories) {
    TempDir dir;
    writeFile(dir.file("a.txt"), "x");
    std::filesystem::create_directory(dir.file("sub"));
    SECFileSystem fs;
    EXPECT_TRUE(fs.FileExists(dir.file("a.txt")));
    EXPECT_TRUE(fs.FileExists(dir.file("sub")));
    EXPECT_FALSE(fs.FileExists(dir.file("none")));
    EXPECT_FALSE(fs.FileExists(""));
    EXPECT_TRUE(fs.DirectoryExists(dir.file("sub")));
    EXPECT_FALSE(fs.DirectoryExists(dir.file("a.txt")));
    EXPECT_FALSE(fs.DirectoryExists(dir.file("none")));
    EXPECT_FALSE(fs.DirectoryExists(""));
}

TEST(FindSingleMatch, NoneOneAndSeveralMatches) {
    TempDir dir;
    EXPECT_FALSE(FindSingleMatch(dir.path(), "*.user").firstPath);

    writeFile(dir.file("b.user"), "");
    writeFile(dir.file("notes.txt"), "");
    SingleMatch one = FindSingleMatch(dir.path(), "*.user");
    EXPECT_EQ(one.firstPath, dir.file("b.user"));
    EXPECT_TRUE(one.only);

    // Letter case is ignored, folders count, and the first match is the first
    // by name whatever order the folder lists its entries in.
    writeFile(dir.file("C.USER"), "");
    std::filesystem::create_directory(dir.file("A.User"));
    SingleMatch several = FindSingleMatch(dir.path(), "*.user");
    EXPECT_EQ(several.firstPath, dir.file("A.User"));
    EXPECT_FALSE(several.only);
}

TEST(FindSingleMatch, PassesOverNamesNoFileNameFieldCanHold) {
    TempDir dir;
    for (const char* name : {"\x1A.user", "a\nb.user", "site.user"})
        writeFile(dir.file(name), "");
    writeFile(dir.file(std::string(256 - dir.path().size(), 'n') + ".user"), "");
    const SingleMatch match = FindSingleMatch(dir.path(), "*.user");
    EXPECT_EQ(match.firstPath, dir.file("site.user"));
    EXPECT_TRUE(match.only);
}

TEST(FindSingleMatch, MissingFolderFindsNothing) {
    TempDir dir;
    EXPECT_FALSE(FindSingleMatch(dir.file("missing"), "*").firstPath);
}

TEST(MatchesWildcard, StarsAndQuestionMarks) {
    EXPECT_TRUE(MatchesWildcard("*.user", "site.user"));
    EXPECT_TRUE(MatchesWildcard("*.user", ".user"));
    EXPECT_FALSE(MatchesWildcard("*.user", "site.user.bak"));
    EXPECT_TRUE(MatchesWildcard("s?te.*", "SITE.vfs"));
    EXPECT_FALSE(MatchesWildcard("s?te.*", "ste.vfs"));
    EXPECT_TRUE(MatchesWildcard("*a*b*c", "xxaxxbxxc"));
    EXPECT_FALSE(MatchesWildcard("*a*b*c", "xxaxxcxxb"));
    EXPECT_TRUE(MatchesWildcard(std::string(30, '*') + "x", std::string(5000, 'a') + "x"));
}

TEST(Paths, JoinAndBaseNameUseTheSlash) {
    EXPECT_EQ(JoinPath("/srv", "default.user"), "/srv/default.user");
    EXPECT_EQ(JoinPath("/", "default.user"), "/default.user");
    EXPECT_EQ(BaseName("/srv/VantorFTPD32.ftpd"), "VantorFTPD32.ftpd");
    EXPECT_EQ(BaseName("my.ftpd"), "my.ftpd");
    EXPECT_EQ(BaseName("/srv/"), "");
}

TEST(Paths, DirectoryNameIsTheTwinOfBaseName) {
    EXPECT_EQ(DirectoryName("/srv/a.vfs"), "/srv");
    EXPECT_EQ(DirectoryName("/a.vfs"), "/");
    EXPECT_EQ(DirectoryName("a.vfs"), ".");
}

TEST(CurrentDirectory, IsAFileErrorOnceTheFolderIsGone) {
    TempDir dir;
    const std::string gone = dir.file("gone");
    std::filesystem::create_directory(gone);
    {
        vantor::test::CurrentDirGuard inGone(gone);
        std::filesystem::remove(gone);
        // Names built from an empty folder would land in the root folder.
        try {
            CurrentDirectory();
            ADD_FAILURE() << "a removed folder has no name";
        } catch (const FileError& error) {
            EXPECT_EQ(error.fault(), FileFault::NoWorkingFolder);
        }
    }
}

TEST(CurrentDirectory, ChangesOnlyToAFolderThatCanBeEntered) {
    TempDir dir;
    vantor::test::CurrentDirGuard restore(dir.path());
    std::filesystem::create_directory(dir.file("server"));
    ChangeCurrentDirectory(dir.file("server"));
    EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(dir.file("server")).string());
    EXPECT_THROW(ChangeCurrentDirectory(dir.file("missing")), FileError);
    EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(dir.file("server")).string());
}

TEST(HoldsDefinitionFiles, AnyKindOrTheStartupListMakesAServerFolder) {
    TempDir dir;
    writeFile(dir.file("notes.txt"), "");
    EXPECT_FALSE(HoldsDefinitionFiles(dir.path()));
    for (const char* name : {"a.ftpd", "b.VFS", "c.user", "d.allow", "ftpmarlin.startup"}) {
        TempDir server;
        writeFile(server.file(name), "");
        EXPECT_TRUE(HoldsDefinitionFiles(server.path())) << name;
    }
}
