#include "core/vfs/VfsFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantor;

namespace {

Permissions decoded(const char* field) {
    Permissions rights;
    EXPECT_TRUE(DecodePermissions(field, rights)) << field;
    return rights;
}

} // namespace

TEST(VfsFile, PermissionDigitsHoldReadWriteAndExecute) {
    const Permissions all = decoded("777");
    EXPECT_EQ(EncodePermissions(all), "777");
    EXPECT_EQ(EncodePermissions(Permissions{}), "000");

    const Permissions rights = decoded("754");
    EXPECT_TRUE(rights.ownerRead && rights.ownerWrite && rights.ownerExecute);
    EXPECT_TRUE(rights.groupRead && !rights.groupWrite && rights.groupExecute);
    EXPECT_TRUE(rights.otherRead && !rights.otherWrite && !rights.otherExecute);
    EXPECT_EQ(EncodePermissions(decoded("7541")), "754");
    EXPECT_EQ(EncodePermissions(decoded("999")), "111");

    for (const char* bad : {"75", "7a5", "", " 75"}) {
        Permissions kept = all;
        EXPECT_FALSE(DecodePermissions(bad, kept)) << bad;
        EXPECT_EQ(EncodePermissions(kept), "777") << bad;
    }
}

TEST(VfsFile, MountPointLinesRoundTrip) {
    MountPoint mount;
    ASSERT_TRUE(ParseMountPoint("C:\\ftp|/|default|default|754|r", mount));
    EXPECT_EQ(mount.physicalPath, "C:\\ftp");
    EXPECT_EQ(mount.virtualPath, "/");
    EXPECT_EQ(mount.owner, "default");
    EXPECT_TRUE(mount.inherit);
    EXPECT_EQ(FormatMountPoint(mount), "C:\\ftp|/|default|default|754|r");

    // Only an exact "r" sets the flag.
    ASSERT_TRUE(ParseMountPoint("/srv/pub|/Pub|alice|staff|700|R", mount));
    EXPECT_EQ(FormatMountPoint(mount), "/srv/pub|/Pub|alice|staff|700|n");
    EXPECT_FALSE(DecodeInherit(""));
}

TEST(VfsFile, BrokenLinesAreReportedWithoutLosingRights) {
    MountPoint mount;
    ParseMountPoint("/a|/b|o|g|777|r", mount);
    EXPECT_FALSE(ParseMountPoint("/a|/b|o|g|7x7|r", mount));
    EXPECT_EQ(EncodePermissions(mount.rights), "777");
    EXPECT_FALSE(ParseMountPoint("/c|/d|p", mount));
    EXPECT_EQ(FormatMountPoint(mount), "/c|/d|p|g|777|n");
    EXPECT_FALSE(ParseMountPoint("/a|b|/b|o|g|755|r", mount));
}

TEST(VfsFile, DefaultRootLines) {
    EXPECT_EQ(DefaultRootLine("/srv/ftp", "default", "default", RootLineFormat::WizardPage),
              "/srv/ftp|/|default|default|754|r");
    EXPECT_EQ(DefaultRootLine("/srv/ftp", "alice", "staff", RootLineFormat::Editor),
              "/srv/ftp|/|alice|staff|755|r");
}
