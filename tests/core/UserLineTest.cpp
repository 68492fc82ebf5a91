#include "core/users/UserLine.h"
#include "core/lines/TextLineList.h"
#include "core/users/UserFields.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace vantor;

TEST(UserLine, FormatsAndParsesFourteenFields) {
    UserLine user;
    user.name = "alice";
    user.level = 2;
    user.group = "staff";
    user.language = "default";
    EXPECT_EQ(FormatUserLine(user), "alice:2::staff:1:0:0:0:0:0:0:0::default");

    // Download comes before upload; limits and ratio use the signed form.
    const std::string full = "bob:1:pw:ops:0:5:6:-1:8:1:9:4294967295:a note:cht";
    UserLine parsed;
    EXPECT_TRUE(ParseUserLine(full, parsed));
    EXPECT_EQ(parsed.downloadLimit, 5u);
    EXPECT_EQ(parsed.uploadLimit, 6u);
    EXPECT_EQ(parsed.ratio, 0xFFFFFFFFu);
    EXPECT_EQ(parsed.uploaded, 0xFFFFFFFFu);
    EXPECT_FALSE(parsed.accountAllowed);
    EXPECT_TRUE(parsed.ipCheckOff);
    EXPECT_EQ(FormatUserLine(parsed), full);
}

TEST(UserLine, ShortAndOverlongLinesAreReportedAndKeepWhatTheyLack) {
    UserLine user;
    user.note = "kept";
    EXPECT_FALSE(ParseUserLine("bob:3:pw", user));
    EXPECT_EQ(user.name, "bob");
    EXPECT_EQ(user.level, 3);
    EXPECT_EQ(user.note, "kept");
    EXPECT_FALSE(ParseUserLine("bob:2:p:w:staff:1:0:0:0:0:0:0:0::default", user));
}

TEST(UserLine, NumbersReadLeniently) {
    EXPECT_EQ(ReadLenientNumber("  \t+17kb"), 17);
    EXPECT_EQ(ReadLenientNumber("-5"), -5);
    EXPECT_EQ(ReadLenientNumber("abc"), 0);
    EXPECT_EQ(ReadLenientNumber(" - 3"), 0);
    EXPECT_EQ(ReadLenientNumber("99999999999999999999999"),
              std::numeric_limits<std::int64_t>::max());
}

TEST(UserLine, LevelAndLanguageTablesLookUpBothWays) {
    EXPECT_EQ(LevelName(3), "guest");
    EXPECT_EQ(LevelName(kNoLevel), std::nullopt);
    EXPECT_EQ(LevelNumber("super"), 1);
    EXPECT_EQ(LevelNumber("Root"), std::nullopt);
    EXPECT_EQ(LanguageDisplayName("jpn"), "jpn-japanese");
    EXPECT_EQ(LanguageDisplayName(""), std::nullopt);
    EXPECT_EQ(LanguageCode("cht-chinese"), "cht");
    EXPECT_EQ(LanguageCode("eng"), std::nullopt);
}

// The reading that scans a line once gives what a field-by-field reading
// gives, on every short line of letters and separators.
TEST(UserLineTest, OneScanReadsEveryFieldAsFieldByField) {
    for (int length = 0; length <= 16; ++length)
        for (std::uint32_t bits = 0; bits < (1u << length); bits += 1 + (length > 12 ? 7 : 0)) {
            std::string line;
            for (int i = 0; i < length; ++i)
                line += (bits >> i & 1) != 0 ? ':' : static_cast<char>('a' + i);
            UserLine read = NewUserLine("x"), expected = NewUserLine("x");
            const UserFieldSet held = ReadUserFields(line, read);
            for (const UserFieldInfo& info : kUserFields) {
                std::string field;
                const int index = static_cast<int>(info.field);
                std::string& into = info.text != nullptr ? expected.*info.text : field;
                EXPECT_EQ(held.test(static_cast<std::size_t>(index)),
                          ExtractField(index, line, into, kUserFieldSeparator))
                    << line;
                if (info.text != nullptr) {
                    EXPECT_EQ(read.*info.text, expected.*info.text) << line;
                }
            }
        }
}
