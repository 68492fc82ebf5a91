#include "core/server/DesignKeys.h"
#include "core/server/StartupList.h"
#include "core/users/Validation.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

using Rule = DesignKeyCheck::Rule;

TEST(DesignKeysTest, ValuesAreCheckedAsThePagesCheckThem) {
    ServerDesign design;
    EXPECT_EQ(SetDesignKey(design, "LISTEN_PORT", "2121").rule, Rule::Ok);
    EXPECT_EQ(SetDesignKey(design, "LISTEN_PORT", "-1").rule, Rule::NotUnsigned);
    EXPECT_EQ(SetDesignKey(design, "ANON_MAX", "0").rule, Rule::OutOfRange);
    EXPECT_EQ(SetDesignKey(design, "IPCHK", "x").rule, Rule::NotInteger);
    EXPECT_EQ(SetDesignKey(design, "ALLOW_ANON", "2").rule, Rule::NotAFlag);
    EXPECT_EQ(SetDesignKey(design, "SERVER_IP", "10.1").rule, Rule::NotAnAddress);
    EXPECT_EQ(SetDesignKey(design, "USRFILE", std::string(300, 'u')).rule, Rule::TooLong);
    EXPECT_EQ(SetDesignKey(design, "SERVER_NAME", "a\nb").rule, Rule::LineBreak);
    EXPECT_EQ(SetDesignKey(design, "listen_port", "21").rule, Rule::UnknownKey);
    EXPECT_EQ(SetDesignKey(design, "TIMEOUT", "0").rule, Rule::Ok);
    EXPECT_EQ(DesignKeyValue(design, "TIMEOUT"), "0");
    EXPECT_EQ(DesignKeyValue(design, "LISTEN_PORT"), "2121");
}

TEST(DesignKeysTest, KeysChangeInPlaceInAnExistingFileOnly) {
    TempDir dir;
    const std::string config = dir.file("s.ftpd");
    EXPECT_FALSE(SetConfigurationKeys(config, {{"ANON_MAX", "9"}}));
    writeFile(config, "; mine\r\n[FTPD]\r\nANON_MAX=2\r\n[OTHER]\r\nX=1\r\n");
    EXPECT_TRUE(SetConfigurationKeys(config, {{"ANON_MAX", "9"}, {"TIMEOUT", "60"}}));
    EXPECT_EQ(readFile(config),
              "; mine\r\n[FTPD]\r\nANON_MAX=9\r\nTIMEOUT=60\r\n[OTHER]\r\nX=1\r\n");
}

TEST(StartupListTest, EnableAndDisableSayWhetherTheyChangedIt) {
    TempDir dir;
    const std::string list = dir.file("ftpmarlin.startup");
    writeFile(list, "ftpdstart a.ftpd\r\n");
    EXPECT_TRUE(EnableInStartupList(list, dir.file("b.ftpd")));
    EXPECT_FALSE(EnableInStartupList(list, "b.ftpd"));
    EXPECT_TRUE(StartupListNames(list, "b.ftpd"));
    EXPECT_TRUE(DisableInStartupList(list, "a.ftpd"));
    EXPECT_FALSE(DisableInStartupList(list, "a.ftpd"));
    EXPECT_EQ(readFile(list), "ftpdstart b.ftpd\r\n");
    EXPECT_THROW(EnableInStartupList(list, "c\n.ftpd"), InvalidInput);
}

} // namespace
