#include "core/lines/WholeFile.h"
#include "core/lines/TextLineList.h"

#include "OtherUser.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

std::size_t entriesIn(const std::string& dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++count;
    return count;
}

// Lowers a resource limit for the rest of a scope; it binds root too.
class LoweredLimit {
public:
    LoweredLimit(int resource, rlim_t value) : resource_(resource) {
        ::getrlimit(resource_, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = value;
        ::setrlimit(resource_, &lowered);
    }
    ~LoweredLimit() { ::setrlimit(resource_, &saved_); }
    LoweredLimit(const LoweredLimit&) = delete;
    LoweredLimit& operator=(const LoweredLimit&) = delete;

private:
    int resource_;
    rlimit saved_{};
};

// A file size limit with its signal left to kill stands in for a process
// killed in the middle of a write.
[[noreturn]] void writeUntilKilled(const std::string& file) {
    rlimit limit{};
    ::setrlimit(RLIMIT_CORE, &limit);
    limit.rlim_cur = limit.rlim_max = 16;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
    WriteFileAtomically(file, std::string(4096, 'x'));
    std::_Exit(0);
}

} // namespace

TEST(WriteFileAtomically, AProcessKilledMidWriteLeavesOnlyTheOldFile) {
    TempDir dir;
    const std::string file = dir.file("site.user");
    writeFile(file, "alice|secret\r\n");
    EXPECT_EXIT(writeUntilKilled(file), testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(readFile(file), "alice|secret\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST(WriteFileAtomically, NoRoomForTheTemporaryFileKeepsTheOldFileWhole) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer runtime itself needs a free file handle for its checks";
#endif
    TempDir dir;
    const std::string file = dir.file("a.vfs");
    writeFile(file, "kept\r\n");
    {
        // Without a free file handle no temporary file can be made, even by root.
        LoweredLimit noHandles(RLIMIT_NOFILE, 0);
        EXPECT_THROW(WriteFileAtomically(file, "lost\r\n"), FileError);
    }
    EXPECT_EQ(readFile(file), "kept\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, ReplacesTheContentAndKeepsThePermissionBits) {
    TempDir dir;
    const std::string file = dir.file("a.vfs");
    writeFile(file, "old\r\n");
    ::chmod(file.c_str(), 0640);
    WriteFileAtomically(file, "new\r\n");
    EXPECT_EQ(readFile(file), "new\r\n");
    EXPECT_EQ(permissionBits(file), 0640u);
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST(WriteFileAtomically, NewFilesGetTheRequestedModeLessTheUmask) {
    TempDir dir;
    const mode_t old = ::umask(022);
    WriteFileAtomically(dir.file("plain"), "x");
    WriteFileAtomically(dir.file("secret"), "x", 0600);
    ::umask(old);
    EXPECT_EQ(permissionBits(dir.file("plain")), 0644u);
    EXPECT_EQ(permissionBits(dir.file("secret")), 0600u);
}

TEST(WriteFileAtomically, AWriteCutShortByAFullDiskKeepsTheOldFileWhole) {
    TempDir dir;
    const std::string file = dir.file("a.vfs");
    writeFile(file, "/srv|/|default|default|754|r\r\n");
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    {
        // A file size limit stands in for a full disk.
        LoweredLimit small(RLIMIT_FSIZE, 16);
        EXPECT_THROW(WriteFileAtomically(file, std::string(4096, 'x')), FileError);
    }
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(readFile(file), "/srv|/|default|default|754|r\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST(WriteFileAtomically, FailuresNameTheFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder"));
    for (const std::string& name : {dir.file("folder"), dir.file("missing/a.vfs"), std::string()}) {
        try {
            WriteFileAtomically(name, "x");
            ADD_FAILURE() << "wrote " << name;
        } catch (const FileError& error) {
            EXPECT_EQ(error.fileName(), name);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
}

TEST(WriteFileAtomically, StaleTemporaryFilesDoNotBlockAndLinksSurvive) {
    TempDir dir;
    const std::string file = dir.file("a.allow");
    writeFile(file + ".XXXXXX", "stale");
    writeFile(file + ".000000", "stale");
    WriteFileAtomically(file, "one");
    EXPECT_EQ(readFile(file), "one");

    const std::string link = dir.file("link.allow");
    std::filesystem::create_symlink(file, link);
    WriteFileAtomically(link, "two");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(file), "two");
}

TEST(WriteLineList, AFailedWriteKeepsTheOldLines) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder"));
    TextLineList list;
    list.add("x");
    EXPECT_THROW(WriteLineList(list, dir.file("folder")), FileError);
    EXPECT_THROW(WriteLineList(list, dir.file("no/such/file")), FileError);
}

TEST(WriteFileAtomically, NamesAtTheFileSystemsLimitStillFit) {
    TempDir dir;
    const std::string file = dir.file(std::string(250, 'n') + ".user");
    WriteFileAtomically(file, "a\r\n");
    WriteFileAtomically(file, "b\r\n");
    EXPECT_EQ(readFile(file), "b\r\n");
}

TEST(WriteFileAtomically, TheOwnerOfAReplacedFileStays) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner";
    TempDir dir;
    const std::string file = dir.file("site.user");
    writeFile(file, "alice\r\n");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    WriteFileAtomically(file, "bob\r\n");
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST(WriteFileAtomically, AFileTheProcessMayNotWriteIsRefused) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    TempDir dir;
    const std::string file = dir.file("locked.vfs");
    writeFile(file, "kept\r\n");
    ::chmod(file.c_str(), 0444);
    EXPECT_THROW(WriteFileAtomically(file, "lost\r\n"), FileError);
    EXPECT_EQ(readFile(file), "kept\r\n");
}

TEST(ReadWholeFile, ReadsEveryByteAndNamesWhatItCannotRead) {
    TempDir dir;
    std::string bytes(200000, 'x');
    bytes[7] = '\0';
    bytes[199999] = '\x1A';
    writeFile(dir.file("big"), bytes);
    EXPECT_EQ(ReadWholeFile(dir.file("big")), bytes);
    for (const std::string& name : {dir.path(), dir.file("missing"), std::string()}) {
        try {
            ReadWholeFile(name);
            ADD_FAILURE() << "read " << name;
        } catch (const FileError& error) {
            EXPECT_EQ(error.fileName(), name);
            EXPECT_NE(error.errorNumber(), 0);
        }
    }
}

namespace {

// An access control list as the kernel stores it: a version word, then per
// entry its kind, its permissions and the account or group it names.
struct AclEntry {
    std::uint16_t tag; // 1 owner, 2 user, 4 group, 8 named group, 0x10 mask, 0x20 others
    std::uint16_t permissions;
    std::uint32_t id = 0xFFFFFFFF;
};
std::string aclBytes(std::initializer_list<AclEntry> entries) {
    std::string bytes(4, '\0');
    bytes[0] = 2;
    for (const AclEntry& entry : entries)
        bytes.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    return bytes;
}

std::string attribute(const std::string& file, const char* name) {
    char value[256];
    const ssize_t size = ::getxattr(file.c_str(), name, value, sizeof value);
    return size < 0 ? std::string() : std::string(value, static_cast<std::size_t>(size));
}

} // namespace

// A file for its owner only, readable by one other account through its list:
// the group must not gain what the list's mask shows in the group bits, and
// no list that the folder hands new files may reach a file that had none.
TEST(WriteFileAtomically, TheAccessListAndExtendedAttributesCarryOver) {
    TempDir dir;
    const std::string shared = dir.file("shared.user");
    const std::string plain = dir.file("plain.user");
    writeFile(shared, "alice\r\n");
    writeFile(plain, "alice\r\n");
    ::chmod(plain.c_str(), 0600);
    const std::string list = aclBytes({{1, 6}, {2, 4, 65534}, {4, 0}, {0x10, 4}, {0x20, 0}});
    if (::setxattr(shared.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0 ||
        ::setxattr(shared.c_str(), "user.origin", "admin", 5, 0) != 0 ||
        ::setxattr(dir.path().c_str(), "system.posix_acl_default", list.data(), list.size(), 0) !=
            0)
        GTEST_SKIP() << "the file system keeps no access lists or extended attributes";
    WriteFileAtomically(shared, "bob\r\n");
    WriteFileAtomically(plain, "bob\r\n");
    EXPECT_EQ(attribute(shared, "system.posix_acl_access"), list);
    EXPECT_EQ(attribute(shared, "user.origin"), "admin");
    EXPECT_EQ(permissionBits(shared), 0640u); // the mask; the group itself has nothing
    EXPECT_EQ(attribute(plain, "system.posix_acl_access"), "");
    EXPECT_EQ(permissionBits(plain), 0600u);
}

// A file of another account, shared through its group: a rewrite by a member
// would make the member its owner, and the account it belongs to (the
// server's) might no longer read it, so nothing is written; nor by a writer
// who is not even in the group (allowed by the list).
TEST(WriteFileAtomically, AWriterWhoCannotKeepTheOwnerWritesNothing) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can act as other accounts";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string file = dir.file("team.user");
    writeFile(file, "alice\r\n");
    ASSERT_EQ(::chown(file.c_str(), 1, 4242), 0);
    ::chmod(file.c_str(), 0660);
    EXPECT_EQ(asNobody({4242}, [&] { WriteFileAtomically(file, "bob\r\n"); }), 3);
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_uid, 1u);
    EXPECT_EQ(readFile(file), "alice\r\n");

    const std::string list = aclBytes({{1, 6}, {2, 6, 65534}, {4, 6}, {0x10, 6}, {0x20, 0}});
    if (::setxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0)
        GTEST_SKIP() << "the file system keeps no access lists";
    EXPECT_EQ(asNobody({}, [&] { WriteFileAtomically(file, "carol\r\n"); }), 3);
    EXPECT_EQ(readFile(file), "alice\r\n");
}
