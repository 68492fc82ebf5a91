#include "core/server/ConfigurationFile.h"

#include "core/lines/TextLineList.h"
#include "core/users/Validation.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace vantor;
using namespace vantor::test;

namespace {

ServerDesign freshDesign(const TempDir& dir) {
    ServerDesign design;
    design.serverIp = "192.168.0.1";
    design.configFile = dir.file("VantorFTPD32.ftpd");
    design.vfsFile = dir.file("VantorFTPD32.vfs");
    design.userFile = dir.file("default.user");
    design.allowFile = dir.file("default.allow");
    return design;
}

std::string freshKeys(const TempDir& dir) {
    return "SERVER_NAME=VantorFTPD32\r\n"
           "SERVER_IP=192.168.0.1\r\n"
           "LISTEN_PORT=21\r\n"
           "ALLOW_ANON=1\r\n"
           "USE_ANON_MAX=1\r\n"
           "ANON_MAX=16\r\n"
           "USE_USER_MAX=1\r\n"
           "USER_MAX=32\r\n"
           "USE_MAXUSER_PER_IP=1\r\n"
           "MAXUSER_PER_IP=2\r\n"
           "IPCHK=0\r\n"
           "IPCHK_DATA=0\r\n"
           "PASV_IP_ROLLING=0\r\n"
           "AUTO_CHOOSE_IP=1\r\n"
           "VFSFILE=" +
           dir.file("VantorFTPD32.vfs") + "\r\nUSRFILE=" + dir.file("default.user") +
           "\r\nIPFILE=" + dir.file("default.allow") +
           "\r\n"
           "USE_DATAPORT_RANGE=0\r\n"
           "PORT_FROM=200\r\n"
           "PORT_TO=500\r\n"
           "TIMEOUT=600\r\n";
}

} // namespace

TEST(WriteConfigurationFile, AFreshFileHoldsTheTwentyOneKeysInOrder) {
    TempDir dir;
    const ServerDesign design = freshDesign(dir);
    writeConfigurationFile(design);
    EXPECT_EQ(readFile(design.configFile), "[FTPD]\r\n" + freshKeys(dir));
}

TEST(WriteConfigurationFile, ValuesFollowTheirOptions) {
    TempDir dir;
    ServerDesign design = freshDesign(dir);
    design.serverIp.clear();
    design.useIdleTimeout = false;
    design.idleTimeout = 900;
    design.dataPortFrom = 7000;
    design.listenPort = 70000;
    design.ipCheckMode = 2;
    design.allowAnonymous = false;
    writeConfigurationFile(design);
    const std::string text = readFile(design.configFile);
    for (const char* line : {"\r\nSERVER_IP=\r\n", "\r\nTIMEOUT=0\r\n", "\r\nPORT_FROM=7000\r\n",
                             "\r\nPORT_TO=500\r\n", "\r\nLISTEN_PORT=70000\r\n", "\r\nIPCHK=2\r\n",
                             "\r\nALLOW_ANON=0\r\n", "\r\nUSE_DATAPORT_RANGE=0\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(WriteConfigurationFile, AnExistingFileKeepsEverythingElse) {
    TempDir dir;
    const ServerDesign design = freshDesign(dir);
    writeFile(design.configFile, "; written by hand\n"
                                 "[other]\n"
                                 "SERVER_NAME=keep me\n"
                                 "\n"
                                 "[ ftpd ]\n"
                                 "  server_name = Old\n"
                                 "EXTRA=1\n"
                                 "\n"
                                 "[last]\n"
                                 "x=y");
    writeConfigurationFile(design);
    const std::string text = readFile(design.configFile);
    std::string keysAfterName = freshKeys(dir).substr(freshKeys(dir).find("SERVER_IP"));
    EXPECT_EQ(text, "; written by hand\n"
                    "[other]\n"
                    "SERVER_NAME=keep me\n"
                    "\n"
                    "[ ftpd ]\n"
                    "SERVER_NAME=VantorFTPD32\r\n"
                    "EXTRA=1\n" +
                        keysAfterName +
                        "\n"
                        "[last]\n"
                        "x=y");
}

TEST(WriteConfigurationFile, WritingTwiceChangesNothing) {
    TempDir dir;
    const ServerDesign design = freshDesign(dir);
    writeConfigurationFile(design);
    const std::string first = readFile(design.configFile);
    writeConfigurationFile(design);
    EXPECT_EQ(readFile(design.configFile), first);
}

TEST(WriteConfigurationFile, AnUnwritableFileIsReportedAndKept) {
    TempDir dir;
    ServerDesign design = freshDesign(dir);
    design.configFile = dir.file("missing/folder.ftpd");
    EXPECT_THROW(writeConfigurationFile(design), FileError);
    design.configFile = dir.path();
    EXPECT_THROW(writeConfigurationFile(design), FileError);
    design.configFile.clear();
    EXPECT_THROW(writeConfigurationFile(design), FileError);
}

TEST(AddToStartupList, AddsTheBaseNameOnceOnly) {
    TempDir dir;
    CurrentDirGuard inDir(dir.path());
    addToStartupList(dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(readFile("ftpmarlin.startup"), "ftpdstart VantorFTPD32.ftpd\r\n");

    // A second finish with the same name leaves the file alone.
    const auto written = std::filesystem::last_write_time("ftpmarlin.startup");
    ::chmod("ftpmarlin.startup", 0444);
    addToStartupList(dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(std::filesystem::last_write_time("ftpmarlin.startup"), written);
    EXPECT_EQ(permissionBits("ftpmarlin.startup"), 0444u);

    addToStartupList("my.ftpd");
    // A name that would break its line is refused; the list stays as it is.
    EXPECT_THROW(addToStartupList("a\x1A.ftpd"), InvalidInput);
    EXPECT_EQ(readFile("ftpmarlin.startup"),
              "ftpdstart VantorFTPD32.ftpd\r\nftpdstart my.ftpd\r\n");
}

TEST(AddToStartupList, BlankAndRepeatedLinesAreDroppedOnRewrite) {
    TempDir dir;
    CurrentDirGuard inDir(dir.path());
    writeFile("ftpmarlin.startup", "ftpdstart a.ftpd\n\nftpdstart b.ftpd\nftpdstart a.ftpd\n");
    addToStartupList("/srv/c.ftpd");
    EXPECT_EQ(readFile("ftpmarlin.startup"),
              "ftpdstart a.ftpd\r\nftpdstart b.ftpd\r\nftpdstart c.ftpd\r\n");
}
