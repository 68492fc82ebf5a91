#include "core/users/Validation.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantor;

TEST(UserValidation, TextFieldsAndNames) {
    EXPECT_EQ(CheckUserTextField("any text, even @ and |"), InputRule::Ok);
    EXPECT_EQ(CheckUserTextField("a:b"), InputRule::FieldHasColon);
    EXPECT_EQ(CheckUserTextField("a\rb"), InputRule::FieldHasLineBreak);
    EXPECT_EQ(CheckUserTextField("a\x1A"), InputRule::FieldHasEndByte);
    EXPECT_EQ(CheckUserName(std::string("a\0b", 3)), InputRule::FieldHasEndByte);

    EXPECT_EQ(CheckUserName(""), InputRule::NameEmpty);
    EXPECT_EQ(CheckUserName("al:ice"), InputRule::FieldHasColon);
    EXPECT_EQ(CheckUserName("alice\n"), InputRule::FieldHasLineBreak);
    EXPECT_EQ(CheckUserName("alice@home"), InputRule::NameHasAt);
    EXPECT_EQ(CheckUserName(std::string(63, 'n')), InputRule::Ok);
    EXPECT_EQ(CheckUserName(std::string(64, 'n')), InputRule::NameTooLong);
}

TEST(UserValidation, WholeAccountsCheckEveryTextFieldAndTheLineLength) {
    UserLine user;
    user.name = "alice";
    user.language = "eng";
    for (std::string UserLine::*field :
         {&UserLine::password, &UserLine::group, &UserLine::note, &UserLine::language}) {
        UserLine broken = user;
        broken.*field = "x:y";
        EXPECT_EQ(CheckUserLine(broken), InputRule::FieldHasColon);
        broken.*field = "x\r\n";
        EXPECT_EQ(CheckUserLine(broken), InputRule::FieldHasLineBreak);
    }
    // "alice:4::" and ":1:0:0:0:0:0:0:0::eng" take 30 bytes around the note.
    user.note = std::string(511 - 30, 'n');
    EXPECT_EQ(CheckUserLine(user), InputRule::Ok);
    user.note += 'n';
    EXPECT_EQ(CheckUserLine(user), InputRule::LineTooLong);
}

TEST(UserValidation, AllowedAddressesAreDottedAddressesOrPrefixesEndingInADot) {
    for (const char* good : {"192.168.0.1", "0.0.0.0", "255.255.255.255", "10.", "140.141.41."})
        EXPECT_EQ(CheckAllowedAddress(good), InputRule::Ok) << good;
    for (const char* bad : {"", ".", "10", "10.1", "1.2.3.4.", "1.2.3.4.5", "256.1.1.1", "1..2.3",
                            " 1.2.3.4", "01.2.3.4", "1.2.3.1234", "1.2.3.4\n", "*.*"})
        EXPECT_EQ(CheckAllowedAddress(bad), InputRule::AddressMalformed) << bad;
    EXPECT_EQ(CheckAllowedEntry("alice", "10."), InputRule::Ok);
    EXPECT_EQ(CheckAllowedEntry("ali@ce", "10."), InputRule::NameHasAt);
}
