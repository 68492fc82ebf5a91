#include "core/vfs/VfsValidation.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantor;

TEST(VfsValidation, EveryFieldRefusesBarsLineBreaksAndEndBytesAndNamesTheirLength) {
    MountPoint mount;
    mount.physicalPath = "/srv/ftp: a, b @ c";
    mount.virtualPath = "/";
    mount.owner = std::string(31, 'o');
    mount.group = "default";
    EXPECT_EQ(CheckMountPoint(mount), MountPointRule::Ok);

    for (std::string MountPoint::*field : {&MountPoint::physicalPath, &MountPoint::virtualPath,
                                           &MountPoint::owner, &MountPoint::group}) {
        MountPoint broken = mount;
        broken.*field = "x|y";
        EXPECT_EQ(CheckMountPoint(broken), MountPointRule::FieldHasBar);
        broken.*field = "x\r";
        EXPECT_EQ(CheckMountPoint(broken), MountPointRule::FieldHasLineBreak);
        broken.*field = std::string("x\x1A\0", 3);
        EXPECT_EQ(CheckMountPoint(broken), MountPointRule::FieldHasEndByte);
    }
    EXPECT_EQ(CheckMountPointName(std::string(32, 'n')), MountPointRule::NameTooLong);
    EXPECT_EQ(CheckMountPointField(std::string(32, 'n')), MountPointRule::Ok);

    // Beside the physical path the line takes 48 bytes.
    mount.physicalPath = std::string(511 - 48, 'p');
    EXPECT_EQ(CheckMountPoint(mount), MountPointRule::Ok);
    mount.physicalPath += 'p';
    EXPECT_EQ(CheckMountPoint(mount), MountPointRule::LineTooLong);
}
