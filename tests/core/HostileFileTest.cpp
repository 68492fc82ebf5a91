#include "core/lines/WholeFile.h"
#include "core/users/UserFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

// Each ends in a file error at once, and the name still stands for what it
// was: a pipe would hold a reader forever, a device or a huge file would fill
// the memory, a dangling link must not turn into a new file.
TEST(HostileFiles, APipeADeviceADanglingLinkAFolderAndAHugeFileAreRefusedAndKept) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.user").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("zero.user"));
    std::filesystem::create_symlink(dir.file("missing.user"), dir.file("dangling.user"));
    std::filesystem::create_directory(dir.file("folder.user"));
    for (const char* name : {"pipe.user", "zero.user", "dangling.user", "folder.user"}) {
        const std::string file = dir.file(name);
        TextLineList lines;
        EXPECT_THROW(LoadUserLineList(file, lines), FileError) << name;
        EXPECT_THROW(StoreUserLine(file, "bob", "bob"), FileError) << name;
        lines.append("x");
        EXPECT_THROW(WriteLineList(lines, file), FileError) << name;
    }
    struct stat pipe {};
    ::lstat(dir.file("pipe.user").c_str(), &pipe);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    EXPECT_EQ(std::filesystem::read_symlink(dir.file("zero.user")), "/dev/zero");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling.user")));
    EXPECT_FALSE(exists(dir.file("missing.user")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.user")));

    writeFile(dir.file("huge.user"), "");
    std::filesystem::resize_file(dir.file("huge.user"), kMaxDefinitionFileSize + 1); // sparse
    EXPECT_THROW(ReadWholeFile(dir.file("huge.user")), FileError);
}

TEST(HostileFiles, ALinkPlantedByAnotherUserInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can plant a link owned by another account";
    TempDir dir;
    const std::string target = dir.file("target.user");
    const std::string link = dir.file("planted.user");
    writeFile(target, "alice\r\n");
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);
    TextLineList lines;
    ::chmod(dir.path().c_str(), 01777);
    EXPECT_THROW(LoadUserLineList(link, lines), FileError);
    EXPECT_THROW(StoreUserLine(link, "bob", "bob"), FileError);
    EXPECT_EQ(readFile(target), "alice\r\n");
    ::chmod(dir.path().c_str(), 0755); // not shared: the link is followed
    StoreUserLine(link, "bob", "bob");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    LoadUserLineList(link, lines);
    EXPECT_EQ(lines.size(), 2u);
}
