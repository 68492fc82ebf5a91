#include "core/vfs/MountPointEdits.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

TEST(MountPointEditsTest, TheRootStaysAndVirtualPathsStayDistinct) {
    TempDir dir;
    const std::string vfs = dir.file("a.vfs");
    EXPECT_TRUE(WriteRootMountPointIfMissing(vfs, dir.path()));
    EXPECT_FALSE(WriteRootMountPointIfMissing(vfs, "/elsewhere"));
    MountPoint pub{dir.path(), "/pub", "default", "default", {}, true};
    using Outcome = MountEdit::Outcome;
    EXPECT_EQ(AddMountPoint(vfs, pub).outcome, Outcome::Done);
    EXPECT_EQ(AddMountPoint(vfs, pub).outcome, Outcome::VirtualPathExists);
    EXPECT_EQ(ChangeMountPoint(vfs, "/", [](MountPoint& m) { m.virtualPath = "/r"; }).outcome,
              Outcome::RootRenameRefused);
    EXPECT_EQ(ChangeMountPoint(vfs, "/pub", [](MountPoint& m) { m.virtualPath = "/"; }).outcome,
              Outcome::VirtualPathExists);
    EXPECT_EQ(ChangeMountPoint(vfs, "/pub", [](MountPoint& m) { m.inherit = false; }).outcome,
              Outcome::Done);
    EXPECT_EQ(RemoveMountPoint(vfs, "/").outcome, Outcome::RootDeleteRefused);
    EXPECT_EQ(RemoveMountPoint(vfs, "/none").outcome, Outcome::VirtualPathUnknown);
    EXPECT_EQ(readFile(vfs), dir.path() + "|/|default|default|754|r\r\n" + dir.path() +
                                 "|/pub|default|default|000|n\r\n");
}

} // namespace
