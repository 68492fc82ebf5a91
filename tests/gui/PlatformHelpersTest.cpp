#include "gui/platform/DataExchange.h"
#include "gui/platform/ListHelpers.h"
#include "gui/platform/QtText.h"
#include "gui/platform/QtUi.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"
#include "texts/Translation.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

// The numbered blocks of the string table, first and last entry of each.
constexpr std::pair<int, int> kStringBlocks[] = {{101, 175}, {185, 192}, {195, 207}, {230, 251}};

std::vector<int> stringIds() {
    std::vector<int> ids;
    for (const auto& [first, last] : kStringBlocks) {
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    }
    return ids;
}

QString text(int id) {
    return loadString(static_cast<Str>(id));
}

class DataExchangeTest : public ::testing::Test {
protected:
    DataExchangeTest() {
        window.show();
        other->setFocus();
    }

    // Takes `text` and reports the message shown, or "ok".
    template <typename Take> QString take(const QString& text, Take&& taking) {
        box->setText(text);
        fake.clearMessages();
        const bool ok = taking(box);
        if (ok) {
            EXPECT_TRUE(fake.messages().empty());
            return "ok";
        }
        EXPECT_EQ(window.focusWidget(), box) << "the refused box did not get the focus";
        other->setFocus();
        return fake.messages().empty() ? "no message" : fake.messages().back().text;
    }

    ScriptedUi fake;
    QDialog window;
    QLineEdit* box = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
};

} // namespace

TEST_F(DataExchangeTest, UnsignedNumbers) {
    std::uint32_t value = 7;
    auto takeIt = [&](QLineEdit* b) { return takeUnsigned(b, value); };
    EXPECT_EQ(take("0", takeIt), "ok");
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(take(" 70000 ", takeIt), "ok");
    EXPECT_EQ(value, 70000u);
    EXPECT_EQ(take("4294967295", takeIt), "ok");
    EXPECT_EQ(value, 4294967295u);
    for (const char* bad : {"", "  ", "-1", "+5", "12a", "4294967296", "1 2", "0x10"})
        EXPECT_EQ(take(bad, takeIt), "Please enter a positive whole number.") << bad;
    EXPECT_EQ(value, 4294967295u);
}

TEST_F(DataExchangeTest, RangedNumbers) {
    std::uint32_t count = 16;
    auto takeCount = [&](QLineEdit* b) { return takeUnsignedInRange(b, 1, 65535, count); };
    EXPECT_EQ(take("0", takeCount), "Please enter a whole number from 1 to 65535.");
    EXPECT_EQ(take("65536", takeCount), "Please enter a whole number from 1 to 65535.");
    EXPECT_EQ(count, 16u);
    EXPECT_EQ(take("65535", takeCount), "ok");
    EXPECT_EQ(count, 65535u);

    std::int32_t seconds = 600;
    auto takeSeconds = [&](QLineEdit* b) { return takeIntInRange(b, 60, 100000, seconds); };
    EXPECT_EQ(take("59", takeSeconds), "Please enter a whole number from 60 to 100000.");
    EXPECT_EQ(take("-60", takeSeconds), "Please enter a whole number from 60 to 100000.");
    EXPECT_EQ(take("sixty", takeSeconds), "Please enter a whole number.");
    EXPECT_EQ(seconds, 600);
    EXPECT_EQ(take("+100000", takeSeconds), "ok");
    EXPECT_EQ(seconds, 100000);
}

TEST_F(DataExchangeTest, TextLength) {
    std::string text = "before";
    auto takeIt = [&](QLineEdit* b) { return takeText(b, 5, text); };
    EXPECT_EQ(take("123456", takeIt), "Please enter no more than 5 characters.");
    EXPECT_EQ(text, "before");
    EXPECT_EQ(take(QString::fromUtf8("\u4f3a\u670d\u5668"), takeIt), "ok");
    EXPECT_EQ(text, "\xe4\xbc\xba\xe6\x9c\x8d\xe5\x99\xa8");
}

TEST(ListHelpers, SortedInsertionAndPrefixSearchIgnoreCase) {
    QComboBox box;
    for (const char* name : {"bob", "Alice", "carol", "alice", "Bobby"})
        addSorted(&box, name);
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    EXPECT_EQ(items, (QStringList{"Alice", "alice", "bob", "Bobby", "carol"}));
    EXPECT_EQ(findPrefixSorted(&box, "BOB"), 2);
    EXPECT_EQ(findPrefixSorted(&box, "bobb"), 3);
    EXPECT_EQ(findPrefixSorted(&box, "d"), -1);
    EXPECT_EQ(findPrefixSorted(&box, ""), 0);
    EXPECT_EQ(findExact(&box, "alice"), 1);
    EXPECT_EQ(findExact(&box, "ALICE"), -1);

    QComboBox unsorted;
    unsorted.addItems({"root", "super", "normal", "guest"});
    EXPECT_EQ(findPrefix(&unsorted, "NOR"), 2);
    EXPECT_EQ(findPrefix(&unsorted, "x"), -1);
}

TEST(ListHelpers, BulkFillMatchesOneByOneInsertion) {
    const QStringList names{"zed", "Amy", "amy", "Bea", "al"};
    QListWidget bulk;
    fillSorted(&bulk, names);
    QListWidget single;
    for (const QString& name : names)
        addSorted(&single, name);
    ASSERT_EQ(bulk.count(), single.count());
    for (int i = 0; i < bulk.count(); ++i)
        EXPECT_EQ(bulk.item(i)->text(), single.item(i)->text());
    EXPECT_EQ(findPrefixSorted(&bulk, "AM"), 1);
}

TEST(QtUiFilters, TheProgramsFilterTextBecomesQtNameFilters) {
    EXPECT_EQ(nameFilters("user&group file|*.user|All files|*.*||"),
              (QStringList{"user&group file (*.user)", "All files (*)"}));
    EXPECT_EQ(nameFilters("text|*.txt;*.log||"), (QStringList{"text (*.txt *.log)"}));
    EXPECT_EQ(defaultSuffix("*.user"), "user");
    EXPECT_EQ(defaultSuffix("*.*"), "");
}

// A file dialog opens in the working folder, not where the last one was
// left, and closing it leaves nothing in the user's configuration folder,
// where Qt would keep its history.
TEST(QtUiFileDialog, OpensInTheWorkingFolderAndStoresNothing) {
    TempDir config;
    EnvironmentGuard home("XDG_CONFIG_HOME", config.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.path()));
    for (const TempDir& folder : {TempDir(), TempDir()}) {
        CurrentDirGuard inFolder(folder.path());
        keepNoDialogSettings();
        QFileDialog dialog;
        prepareFileDialog(dialog, {FileRequest::Kind::Save, "user&group file|*.user||", "*.user"});
        EXPECT_EQ(dialog.directory().absolutePath().toStdString(), folder.path());
    }
    EXPECT_TRUE(std::filesystem::is_empty(config.path()));
}

TEST(StringTable, EveryNumberHasItsText) {
    for (const int id : stringIds())
        EXPECT_FALSE(text(id).isEmpty()) << id;
    for (const auto& [first, last] : kStringBlocks) {
        EXPECT_TRUE(text(first - 1).isEmpty());
        EXPECT_TRUE(text(last + 1).isEmpty());
    }
    EXPECT_EQ(loadString(Str::CaptionError), "ERROR");
    EXPECT_EQ(loadString(Str::CaptionWarning), "WARNING");
    EXPECT_EQ(loadString(Str::TipRootDirectory), "please enter the root path of your FTP server , "
                                                 "you can setup your virtual file system later ");
}

TEST(Translation, TraditionalChineseLocalesGetTheChineseTexts) {
    EXPECT_TRUE(usesTraditionalChinese(QLocale("zh_TW")));
    EXPECT_TRUE(usesTraditionalChinese(QLocale("zh_HK")));
    EXPECT_TRUE(usesTraditionalChinese(
        QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::China)));
    EXPECT_FALSE(usesTraditionalChinese(QLocale("zh_CN")));
    EXPECT_FALSE(usesTraditionalChinese(QLocale("en_US")));
    EXPECT_FALSE(installTranslations(*QCoreApplication::instance(), QLocale("de_DE")));
    EXPECT_EQ(loadString(Str::CaptionError), "ERROR");
}

TEST(Translation, EveryStringTableEntryHasAChineseText) {
    const std::vector<int> ids = stringIds();
    std::vector<QString> english;
    for (const int id : ids)
        english.push_back(text(id));
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), QLocale("zh_TW")));
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QString chinese = text(ids[i]);
        EXPECT_FALSE(chinese.isEmpty()) << ids[i];
        EXPECT_NE(chinese, english[i]) << ids[i];
    }
    EXPECT_EQ(loadString(Str::CaptionError), QString::fromUtf8("\u932f\u8aa4"));
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(loadString(Str::CaptionError), "ERROR");
}

// Every refusal the core can give has its own text, with its limit filled in.
TEST(RuleTexts, EveryRuleIsToldWithItsLimit) {
    std::vector<QString> texts;
    for (InputRule rule :
         {InputRule::FieldHasLineBreak, InputRule::FieldHasColon, InputRule::NameEmpty,
          InputRule::NameHasAt, InputRule::NameTooLong, InputRule::LineTooLong,
          InputRule::LineNameMismatch, InputRule::AddressMalformed})
        texts.push_back(inputRuleText(rule));
    for (MountPointRule rule : {MountPointRule::FieldHasBar, MountPointRule::FieldHasLineBreak,
                                MountPointRule::NameTooLong, MountPointRule::LineTooLong})
        texts.push_back(mountPointRuleText(rule));
    for (const QString& text : texts) {
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains(QLatin1Char('%'))) << text.toStdString();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << text.toStdString();
    }
    EXPECT_EQ(inputRuleText(InputRule::NameTooLong), "the user name is longer than 63 characters");
    EXPECT_TRUE(mountPointRuleText(MountPointRule::NameTooLong).contains("31"));
}

// Bytes from a single-byte code page reach the file again unchanged, while
// UTF-8 text shows as the characters it encodes.
TEST(QtText, EveryByteSequenceSurvivesTheRoundTrip) {
    EXPECT_EQ(toQt("caf\xC3\xA9"), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(toQt("\xF0\x9F\x93\x81").size(), 2);
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string awkward[] = {
        everyByte,          "jos\xE9:1:pw",        "\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xC3\xA9\xE9\xC3\xA9"};
    for (const std::string& bytes : awkward)
        EXPECT_EQ(toBytes(toQt(bytes)), bytes);
    EXPECT_EQ(toBytes(QString(QChar(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(toQt("\xEF\xBB\xBF"), QString(QChar(0xFEFF)));
}
