#include "core/lines/TextLineList.h"

#include <gtest/gtest.h>

#include <string>

using vantor::ExtractField;

namespace {

// What ExtractField gives for one field: the text, "=false" when it reports
// no field (with the output after the call), so one table holds every case.
std::string field(int index, const std::string& source, char delimiter = ':') {
    std::string output = "untouched";
    const bool found = ExtractField(index, source, output, delimiter);
    return found ? output : "=false:" + output;
}

} // namespace

TEST(ExtractField, FieldsBetweenDelimitersCountedFromZero) {
    EXPECT_EQ(field(0, "one:two:three"), "one");
    EXPECT_EQ(field(1, "one:two:three"), "two");
    EXPECT_EQ(field(2, "one:two:three"), "three");
    EXPECT_EQ(field(3, "one:two:three"), "=false:untouched");

    EXPECT_EQ(field(0, "one:two:"), "one");
    EXPECT_EQ(field(1, "one:two:"), "two");
    EXPECT_EQ(field(2, "one:two:"), "");
    EXPECT_EQ(field(3, "one:two:"), "=false:untouched");

    EXPECT_EQ(field(1, "one::three"), "");
    EXPECT_EQ(field(2, "one::three"), "three");

    EXPECT_EQ(field(0, ":two"), "");
    EXPECT_EQ(field(1, ":two"), "two");
    EXPECT_EQ(field(2, ":two"), "=false:untouched");
}

TEST(ExtractField, TextWithoutDelimiterBeforeItsLastCharacterIsOneField) {
    EXPECT_EQ(field(0, "one"), "one");
    EXPECT_EQ(field(1, "one"), "=false:");
    EXPECT_EQ(field(2, "one"), "=false:untouched");

    EXPECT_EQ(field(0, "one:"), "one:");
    EXPECT_EQ(field(1, "one:"), "=false:");

    EXPECT_EQ(field(0, ""), "");
    EXPECT_EQ(field(1, ""), "=false:untouched");
}

TEST(ExtractField, MountPointFieldsAndIndexLimits) {
    const std::string line = "/srv/ftp|/|alice|staff|754|r";
    EXPECT_EQ(field(2, line, '|'), "alice");
    EXPECT_EQ(field(5, line, '|'), "r");
    EXPECT_EQ(field(6, line, '|'), "=false:untouched");
    EXPECT_EQ(field(-1, line, '|'), "=false:untouched");

    std::string many;
    for (int i = 0; i < 40; ++i)
        many += std::to_string(i) + ":";
    EXPECT_EQ(field(31, many), "31");
    EXPECT_EQ(field(32, many), "=false:untouched");
}

TEST(JoinFields, GivesTheLineExtractFieldTakesApart) {
    EXPECT_EQ(vantor::JoinFields({"one", "", "three"}, ':'), "one::three");
    EXPECT_EQ(vantor::JoinFields({"", "two"}, ':'), ":two");
    EXPECT_EQ(vantor::JoinFields({"only"}, '|'), "only");
    const std::string line = vantor::JoinFields({"a", "b", "", "d"}, '|');
    EXPECT_EQ(field(2, line, '|'), "");
    EXPECT_EQ(field(3, line, '|'), "d");
}
