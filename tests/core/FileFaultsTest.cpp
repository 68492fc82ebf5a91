// Faults a disk, a second user or another program inflict on a write, each
// made for real (an injected error, a planted link or file, a second name),
// with the file's bytes checked afterwards.
#include "core/lines/FileChange.h"
#include "core/lines/FileStamp.h"
#include "core/lines/FileSystem.h"
#include "core/lines/WholeFile.h"
#include "core/users/AccountEdits.h"
#include "core/users/AccountImport.h"
#include "core/users/AllowEdits.h"
#include "core/users/UserFile.h"

#include "CallFault.h"
#include "OtherUser.h"
#include "TempDir.h"

#include <fstream>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

namespace {

std::string twentyAccounts() {
    std::string bytes;
    for (int i = 0; i < 20; ++i)
        bytes += FormatUserLine(NewUserLine("user" + std::to_string(i))) + "\r\n";
    return bytes;
}

void addExtra(const std::string& file) {
    AddAccount(file, NewUserLine("extra"));
}

void importExtra(const std::string& file) {
    bool given = false;
    ImportAccounts(
        file,
        [&](ImportRow& row) {
            row = {1, {NewUserLine("extra"), {}}};
            row.fields.give(UserField::Name);
            return !std::exchange(given, true);
        },
        false, [] { return true; });
}

void allowExtra(const std::string& file) {
    AddAllowedEntry(file, "extra", "10.0.0.");
}

// Runs `edit` with the nth call of the entry failing, for every n the edit
// reaches: each run either raises a file error and leaves the file as it was,
// or writes what the edit writes without a fault.
template <auto Entry>
void walkFault(const std::string& file, const std::string& before,
               void (*edit)(const std::string&)) {
    writeFile(file, before);
    edit(file);
    const std::string after = readFile(file);
    ASSERT_NE(after, before);
    for (const int error : {EIO, EINTR, ENOMEM, ETIMEDOUT}) {
        for (int nth = 1;; ++nth) {
            SCOPED_TRACE("call " + std::to_string(nth) + ", error " + std::to_string(error));
            writeFile(file, before);
            CallFault<Entry> fault(nth, error);
            try {
                edit(file);
            } catch (const FileError&) {
                EXPECT_EQ(readFile(file), before);
                continue;
            }
            EXPECT_EQ(readFile(file), after);
            if (!fault.fired())
                break;
        }
    }
}

} // namespace

TEST(FileFaults, AFailedStatusCallNeverEmptiesAFile) {
    TempDir dir;
    const std::string users = dir.file("site.user");
    for (auto edit : {addExtra, importExtra}) {
        walkFault<&SystemCalls::fstatat>(users, twentyAccounts(), edit);
        walkFault<&SystemCalls::fstat>(users, twentyAccounts(), edit);
    }
    walkFault<&SystemCalls::fstatat>(dir.file("site.allow"), "1.2.3.4\r\n", allowExtra);
}

// An edit whose last reading lost content writes only with consent, and then
// says what it dropped; a write the readers could not read back is refused.
TEST(FileFaults, ALossyReadingOrAnOversizedResultWritesNothingUnasked) {
    TempDir dir;
    const std::string users = dir.file("site.user");
    const std::string lossy = "alice:2\r\n\x1A\r\nbob:2\r\n";
    writeFile(users, lossy);
    try {
        addExtra(users);
        ADD_FAILURE() << "a lossy file was written unasked";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fault(), FileFault::ReadingLost);
        EXPECT_EQ(error.loss().line, 2u);
    }
    EXPECT_EQ(readFile(users), lossy);
    int told = 0;
    AddAccount(users, NewUserLine("extra"),
               {true, [&](const std::string&, const ReadingLoss& loss) { told += loss.line; }});
    EXPECT_EQ(told, 2);
    EXPECT_EQ(readFile(users).find("bob"), std::string::npos);

    const std::string allow = dir.file("site.allow");
    std::string huge;
    huge.reserve(static_cast<std::size_t>(kMaxDefinitionFileSize));
    for (int line = 0; huge.size() + 500 < kMaxDefinitionFileSize; ++line)
        huge += std::to_string(line) + std::string(490, '.') + "\r\n";
    huge.append(static_cast<std::size_t>(kMaxDefinitionFileSize) - 10 - huge.size(), '.');
    writeFile(allow, huge);
    try {
        allowExtra(allow);
        ADD_FAILURE() << "a file the readers refuse was written";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fault(), FileFault::TooLarge);
    }
    EXPECT_EQ(std::filesystem::file_size(allow), huge.size());
}

// Several files change together: a failure before the first rename leaves
// both, one after it names the file already replaced.
TEST(FileFaults, AnAccountAndItsAddressesGoTogetherOrNotAtAll) {
    TempDir dir;
    const std::string users = dir.file("site.user");
    const std::string allow = dir.file("site.allow");
    const std::string accounts = "alice:2\r\nbob:2\r\n";
    const std::string addresses = "alice@10.0.0.\r\nbob@10.0.1.\r\n";
    for (const bool renameFails : {false, true}) {
        writeFile(users, accounts);
        writeFile(allow, addresses);
        try {
            // The copy's flush (user file first, the allow file second) or
            // the second rename.
            if (renameFails) {
                CallFault<&SystemCalls::renameat> fault(2, EIO);
                RemoveAccount(users, "bob", allow);
            } else {
                CallFault<&SystemCalls::fsync> fault(2, EIO);
                RemoveAccount(users, "bob", allow);
            }
            ADD_FAILURE() << "the failed write was not reported";
        } catch (const FileError& error) {
            EXPECT_EQ(error.fault(), renameFails ? FileFault::PartlyChanged : FileFault::System);
            if (renameFails) {
                EXPECT_EQ(error.changed(), std::vector<std::string>{users});
            }
        }
        EXPECT_EQ(readFile(users), renameFails ? "alice:2\r\n" : accounts);
        EXPECT_EQ(readFile(allow), addresses);
    }
}

TEST(FileFaults, AFileWithASecondNameOrAFailedFolderFlushIsTold) {
    TempDir dir;
    const std::string users = dir.file("site.user");
    writeFile(users, "alice:2\r\n");
    ASSERT_EQ(::link(users.c_str(), dir.file("copy.user").c_str()), 0);
    try {
        RemoveAccount(users, "alice", std::nullopt);
        ADD_FAILURE() << "a hard link was split";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fault(), FileFault::HardLinks);
        EXPECT_EQ(error.linkCount(), 2u);
    }
    EXPECT_EQ(readFile(dir.file("copy.user")), "alice:2\r\n");
    std::filesystem::remove(dir.file("copy.user"));

    // The copy's flush, then the folder's.
    CallFault<&SystemCalls::fsync> fault(2, EIO);
    try {
        RemoveAccount(users, "alice", std::nullopt);
        ADD_FAILURE() << "a failed flush of the folder went unreported";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fault(), FileFault::NotDurable);
    }
    EXPECT_EQ(readFile(users), "");
}

// The status alone misses a change of the same size with its time set back,
// and on file systems with coarse times a quick one: the change time and the
// hash of the content see it.
TEST(FileFaults, AChangeOfTheSameSizeWithTheTimeSetBackIsSeen) {
    TempDir dir;
    const std::string users = dir.file("site.user");
    writeFile(users, "alice:2\r\n");
    FileStamp read;
    TextLineList lines;
    ReadLineList(users, lines, &read);
    struct stat before {};
    ::stat(users.c_str(), &before);
    std::ofstream(users, std::ios::in | std::ios::out | std::ios::binary) << "carol";
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, users.c_str(), times, 0);
    FileStamp now;
    bool written = WriteIfUnchanged(
        users, read, [] {}, now);
    EXPECT_FALSE(written);
    EXPECT_NE(now, read);
}

// Another user's link anywhere on the way in a shared folder, or another
// user's file there, is not written through: in 200 edits while that user
// flips the folder between a link to root's folder and a folder of its own,
// no edit reaches root's file and none changes an owner.
TEST(FileFaults, PlantedLinksAndFilesInASharedFolderAreNotWrittenThrough) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can act as another user";
    TempDir shared;
    TempDir secret;
    ::chmod(shared.path().c_str(), 01777);
    writeFile(secret.file("default.user"), twentyAccounts());
    ::chmod(secret.file("default.user").c_str(), 0600);
    const std::string own = shared.file("own");
    const std::string link = shared.file("link");
    const std::string work = shared.file("work");
    std::filesystem::create_directory(own);
    writeFile(own + "/default.user", "nobody:2\r\n");
    std::filesystem::create_symlink(secret.path(), link);
    for (const std::string& path : {own, own + "/default.user", link})
        ASSERT_EQ(::lchown(path.c_str(), kNobody, kNobody), 0);

    const pid_t flipper = ::fork();
    if (flipper == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(1);
        for (;;) {
            ::rename(own.c_str(), work.c_str());
            ::rename(work.c_str(), own.c_str());
            ::rename(link.c_str(), work.c_str());
            ::rename(work.c_str(), link.c_str());
        }
    }
    int written = 0;
    for (int i = 0; i < 200; ++i) {
        try {
            written += AddAccount(work + "/default.user", NewUserLine("root" + std::to_string(i)));
        } catch (const FileError&) {
        }
    }
    ::kill(flipper, SIGKILL);
    ::waitpid(flipper, nullptr, 0);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(work)))
        std::filesystem::rename(work, own);
    EXPECT_EQ(readFile(secret.file("default.user")), twentyAccounts());
    EXPECT_EQ(std::filesystem::directory_iterator(secret.path())->path().filename(),
              "default.user");
    struct stat theirs {};
    ::stat((own + "/default.user").c_str(), &theirs);
    EXPECT_EQ(theirs.st_uid, kNobody);
    std::cout << written << " of 200 edits went into the other user's own folder\n";

    // A file another user planted in the shared folder itself.
    const std::string planted = shared.file("default.user");
    writeFile(planted, "nobody:2\r\n");
    ::chmod(planted.c_str(), 0666);
    ASSERT_EQ(::chown(planted.c_str(), kNobody, kNobody), 0);
    try {
        AddAccount(planted, NewUserLine("admin"));
        ADD_FAILURE() << "root wrote into another user's planted file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fault(), FileFault::PlantedFile);
    }
    EXPECT_EQ(readFile(planted), "nobody:2\r\n");
}

// A folder that may be written but not read holds files nobody can list: a
// search there is an error, not an empty folder. A new password file drops
// the named entries its folder's default list would give it.
TEST(FileFaults, AnUnlistableFolderIsAnErrorAndNewPasswordFilesGetNoNamedEntries) {
    TempDir dir;
    if (::geteuid() == 0) {
        ::chmod(dir.path().c_str(), 0333);
        EXPECT_EQ(asNobody({}, [&] { FindMatches(dir.path(), "*.user"); }), 2);
        ::chmod(dir.path().c_str(), 0700);
    }
    // user::rwx, named user nobody r, group::r-x, mask r-x, other::---
    const unsigned char list[] = {2,    0,    0,    0,    1,    0,    7,    0,    0xff, 0xff, 0xff,
                                  0xff, 2,    0,    4,    0,    0xfe, 0xff, 0,    0,    4,    0,
                                  5,    0,    0xff, 0xff, 0xff, 0xff, 0x10, 0,    5,    0,    0xff,
                                  0xff, 0xff, 0xff, 0x20, 0,    0,    0,    0xff, 0xff, 0xff, 0xff};
    if (::setxattr(dir.path().c_str(), "system.posix_acl_default", list, sizeof list, 0) != 0)
        GTEST_SKIP() << "the file system keeps no access lists";
    AddAccount(dir.file("new.user"), NewUserLine("alice"));
    EXPECT_LT(::getxattr(dir.file("new.user").c_str(), "system.posix_acl_access", nullptr, 0), 0);
    EXPECT_EQ(permissionBits(dir.file("new.user")), 0600u);
}
