#include "core/server/IniFile.h"

#include "core/lines/TextLineList.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

std::string afterSetting(const std::string& before, const std::string& section,
                         const std::string& key, const std::string& value) {
    TempDir dir;
    writeFile(dir.file("a.ini"), before);
    IniFile file = IniFile::load(dir.file("a.ini"));
    file.setValue(section, key, value);
    file.save(dir.file("a.ini"));
    return readFile(dir.file("a.ini"));
}

} // namespace

TEST(IniFile, AMissingSectionIsAppendedBehindAnUnfinishedLastLine) {
    EXPECT_EQ(afterSetting("", "FTPD", "A", "1"), "[FTPD]\r\nA=1\r\n");
    EXPECT_EQ(afterSetting("[x]\r\ny=2", "FTPD", "A", "1"), "[x]\r\ny=2\r\n[FTPD]\r\nA=1\r\n");
}

TEST(IniFile, OnlyALineWithAClosingBracketOpensASection) {
    EXPECT_EQ(afterSetting("[FTPD\r\nA=0\r\n", "FTPD", "A", "1"),
              "[FTPD\r\nA=0\r\n[FTPD]\r\nA=1\r\n");
    EXPECT_EQ(afterSetting("[FTPD]\r\n[x\r\nA=0\r\n", "FTPD", "A", "1"), "[FTPD]\r\n[x\r\nA=1\r\n");
}

TEST(IniFile, KeysMatchIgnoringCaseAndBlanksInTheFirstMatchingSectionOnly) {
    EXPECT_EQ(
        afterSetting("[FTPD]\r\n  timeout =5\r\n[FTPD]\r\nTIMEOUT=6\r\n", "FTPD", "TIMEOUT", "0"),
        "[FTPD]\r\nTIMEOUT=0\r\n[FTPD]\r\nTIMEOUT=6\r\n");
}

TEST(IniFile, CommentsAndLinesWithoutEqualsAreNotKeys) {
    EXPECT_EQ(afterSetting("[FTPD]\r\n;A=old\r\nA\r\n\r\n\r\n[next]\r\n", "FTPD", "A", "1"),
              "[FTPD]\r\n;A=old\r\nA\r\nA=1\r\n\r\n\r\n[next]\r\n");
}

TEST(IniFile, ValuesAreWrittenAsTheyStand) {
    EXPECT_EQ(afterSetting("[FTPD]\r\nA=1\r\n", "FTPD", "A", " spaced = value; "),
              "[FTPD]\r\nA= spaced = value; \r\n");
}

TEST(IniFile, FoldersCannotBeLoaded) {
    TempDir dir;
    EXPECT_THROW(IniFile::load(dir.path()), FileError);
    EXPECT_EQ(IniFile::load(dir.file("missing.ini")).text(), "");
}

TEST(IniFile, LineBreaksAreRefusedBeforeTheyCanSplitALine) {
    IniFile file;
    EXPECT_THROW(file.setValue("FTPD", "SERVER_NAME", "a\nLISTEN_PORT=1"), LineBreakRefused);
    EXPECT_THROW(file.setValue("FTPD", "A\r", "1"), LineBreakRefused);
    EXPECT_EQ(file.text(), "");
}
