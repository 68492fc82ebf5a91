#include "core/lines/FileLock.h"
#include "core/lines/TextLineList.h"
#include "core/server/IniFile.h"
#include "gui/platform/AboutDialog.h"
#include "gui/platform/FolderBrowser.h"
#include "gui/platform/ListBoxLines.h"
#include "gui/platform/Messages.h"
#include "gui/platform/Tooltip.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace vantor;
using namespace vantor::test;

TEST(AttachTooltip, ShowsTheTextAsItStands) {
    QLabel label;
    AttachTooltip(&label, "user&group file");
    EXPECT_EQ(label.toolTip(), "user&group file");

    QLabel markup;
    AttachTooltip(&markup, "<b>a & b</b>");
    EXPECT_EQ(markup.toolTip(), "<p>&lt;b&gt;a &amp; b&lt;/b&gt;</p>");

    AttachTooltip(nullptr, "ignored");
}

TEST(AttachTooltip, ShowsWhileAnotherWindowIsActive) {
    QDialog dialog;
    auto* label = new QLabel("root", &dialog);
    AttachTooltip(label, "the root directory");
    // Apart from the dialog, so the pointer rests on the label, not on it.
    QWidget other;
    other.setGeometry(600, 600, 100, 100);
    dialog.show();
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_FALSE(dialog.isActiveWindow());
    QTest::mouseMove(label, label->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::text() == "the root directory"; }, 3000));
    QToolTip::hideText();
}

TEST(BrowseForFolder, TheChosenFolderReplacesTheTextAndACancelEmptiesIt) {
    ScriptedUi fake;
    QLineEdit box("/old");
    fake.answerFolder("/srv/ftp");
    BrowseForFolder(nullptr, &box);
    EXPECT_EQ(box.text(), "/srv/ftp");
    fake.cancelFolder();
    BrowseForFolder(nullptr, &box);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(fake.folderTitles(),
              (std::vector<QString>{"Browse for local dir", "Browse for local dir"}));
}

TEST(BrowseForFolder, AFolderPathOverTheLimitIsRefused) {
    ScriptedUi fake;
    QLineEdit box("/old");
    fake.answerFolder("/" + QString(300, QLatin1Char('f')));
    BrowseForFolder(nullptr, &box);
    EXPECT_EQ(box.text(), "");
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].caption, "ERROR");
}

TEST(AboutBox, OpensForTheCommandValueWhateverItsFourLowestBits) {
    ScriptedUi fake;
    for (unsigned command : {16u, 17u, 31u}) {
        fake.onDialog("AboutDialog", [](ModalDialog& about) {
            EXPECT_EQ(about.windowTitle(), "About the VANTOR FTP SERVER Wizard");
            EXPECT_EQ(find<QLabel>(about, "versionLabel")->text(), "VANTOR FTPD Wizard V1.0");
            EXPECT_EQ(find<QLabel>(about, "runtimeLabel")->text(),
                      QString("version 1.0 , running on Qt %1").arg(qVersion()));
            find<QPushButton>(about, "okButton")->click();
        });
        EXPECT_TRUE(handleSystemCommand(nullptr, command));
    }
    for (unsigned command : {0u, 15u, 32u, 0xF060u})
        EXPECT_FALSE(handleSystemCommand(nullptr, command));
    EXPECT_EQ(fake.dialogsRun().size(), 3u);
}

TEST(AboutBox, EnterAndEscapeCloseIt) {
    ScriptedUi fake;
    fake.onDialog("AboutDialog",
                  [](ModalDialog& about) { QTest::keyClick(&about, Qt::Key_Return); });
    fake.onDialog("AboutDialog",
                  [](ModalDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); });
    handleSystemCommand(nullptr, kAboutCommand);
    handleSystemCommand(nullptr, kAboutCommand);
}

TEST(AboutBox, TheEntrySitsInTheDialogsContextMenu) {
    ScriptedUi fake;
    QDialog page;
    addAboutEntry(&page);
    auto* entry = page.findChild<QAction*>("aboutAction");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "About VANTOR FTP SERVER wizard(&A)...");
    EXPECT_EQ(page.contextMenuPolicy(), Qt::ActionsContextMenu);
    fake.onDialog("AboutDialog", [](ModalDialog& about) { about.accept(); });
    entry->trigger();
    EXPECT_EQ(fake.dialogsRun(), (std::vector<QString>{"AboutDialog"}));
}

TEST(CopyListBoxLines, AddsTheItemsByTheInsertionRule) {
    QListWidget control;
    control.addItems({"b", "c", "a", "b"});
    TextLineList lines;
    lines.add("first");
    CopyListBoxLines(control, lines);
    EXPECT_EQ(lines.lines(), (std::vector<std::string>{"first", "a", "c", "b"}));
}

TEST(Messages, FileErrorsAndPathLimitsNameTheFileAsItStands) {
    ScriptedUi fake;
    reportFileError(nullptr, FileError("/srv/100%1/site.user", EACCES));
    reportFileError(nullptr, FileError("/srv/a.vfs", EISDIR));
    reportFileError(nullptr, FileError("/srv/b.vfs", "cut short"));
    EXPECT_FALSE(checkPathUsable(nullptr, "/srv/%1/" + std::string(300, 'x')));
    ASSERT_EQ(fake.messages().size(), 4u);
    EXPECT_EQ(fake.messages()[0].caption, "ERROR");
    EXPECT_EQ(fake.messages()[0].text,
              "the file /srv/100%1/site.user can not be read or written : permission denied");
    EXPECT_EQ(fake.messages()[1].text,
              "the file /srv/a.vfs can not be read or written : it is a folder , not a file");
    EXPECT_EQ(fake.messages()[2].text,
              "the file /srv/b.vfs can not be read or written : cut short");
    EXPECT_TRUE(fake.messages()[3].text.startsWith("the path /srv/%1/xxx"));
    EXPECT_TRUE(
        fake.messages()[3].text.endsWith(" is longer than 255 characters , it can not be used"));
}

TEST(Messages, AnActionEndsAtAFileErrorWithTheMessage) {
    ScriptedUi fake;
    bool after = false;
    EXPECT_FALSE(runFileAction(nullptr, [&] {
        throw FileError("/srv/x.user", ENOSPC);
        after = true;
    }));
    EXPECT_FALSE(after);
    // Nothing an action raises ends the program, a lack of memory included.
    EXPECT_FALSE(runFileAction(nullptr, [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(runFileAction(nullptr, [] { throw FileBusy("/srv/x.user"); }));
    ASSERT_EQ(fake.messages().size(), 3u);
    EXPECT_TRUE(fake.messages()[0].text.endsWith(": the disk is full"));
    EXPECT_TRUE(fake.messages()[1].text.startsWith("setup could not finish this action"));
    EXPECT_TRUE(fake.messages()[2].text.startsWith("another program is changing the file "
                                                   "/srv/x.user"));
    EXPECT_TRUE(runFileAction(nullptr, [] {}));
}

// A path with a line break would split its line of the configuration file;
// none may enter the record, and a slip past the checks ends only the action.
TEST(Messages, PathsWithLineBreaksAreRefusedAndNoRefusalEndsTheProgram) {
    ScriptedUi fake;
    EXPECT_FALSE(checkPathUsable(nullptr, "/srv/a\nb.user"));
    EXPECT_TRUE(checkPathUsable(nullptr, "/srv/a b.user"));
    TempDir dir;
    const std::string broken = dir.file("line\nfeed");
    std::filesystem::create_directory(broken);
    {
        CurrentDirGuard inBroken(broken);
        std::string directory;
        EXPECT_FALSE(currentDirectoryFor(nullptr, directory));
    }
    EXPECT_FALSE(runFileAction(nullptr, [] { IniFile().setValue("FTPD", "VFSFILE", "a\rb"); }));
    EXPECT_FALSE(runFileAction(nullptr, [] { throw InvalidInput(InputRule::NameHasAt); }));
    ASSERT_EQ(fake.messages().size(), 4u);
    EXPECT_EQ(fake.messages()[0].text, "a file or folder name can not hold a line break");
    EXPECT_EQ(fake.messages()[1].text, "a file or folder name can not hold a line break");
    EXPECT_EQ(fake.messages()[2].text, "the text can not hold a line break");
    EXPECT_TRUE(fake.messages()[3].text.startsWith("the user name can not hold the character @"));
}
