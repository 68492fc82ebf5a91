#include "gui/app/WelcomeDialog.h"
#include "core/lines/FileSystem.h"
#include "gui/app/WizardApp.h"
#include "gui/platform/ElidedLabel.h"
#include "gui/vfs/VfsEditorDialog.h"
#include "texts/Translation.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

const QString kUserNotice = QStringLiteral(
    "setup can not find *.user in the current working directory , please browse *.user files if "
    "you have some in other directories , otherwise please enter a new name for your user file "
    "(*.user)");
const QString kAllowNotice = QStringLiteral(
    "setup can not find *.allow (IP allowing definition file) in the current working directory , "
    "please browse *.allow files if you have some in other directories , otherwise please enter a "
    "new name for your user file (*.allow)");

class WelcomeDialogTest : public ::testing::Test {
protected:
    void click(const char* button) { find<QPushButton>(dialog, button)->click(); }
    void thenUserManager() {
        fake.onDialog("UserManagerDialog", [](ModalDialog& editor) { editor.reject(); });
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
    WelcomeDialog dialog{state};
};

} // namespace

TEST_F(WelcomeDialogTest, ShowsItsTexts) {
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral("Welcome to the VANTOR FTP SERVER configuration wizard"));
    EXPECT_EQ(find<QPushButton>(dialog, "designButton")->text(), "Design a FTP server");
    EXPECT_EQ(find<QPushButton>(dialog, "editUsersButton")->text(), "Edit User and Group file");
    EXPECT_EQ(find<QPushButton>(dialog, "editVfsButton")->text(), "Edit Virtual File System file");
    EXPECT_TRUE(find<QPushButton>(dialog, "exitButton")->isDefault());
}

TEST_F(WelcomeDialogTest, SingleUserAndAllowFilesAreTakenWithoutAsking) {
    writeFile(dir.file("site.user"), "");
    writeFile(dir.file("site.allow"), "");
    fake.onDialog("UserManagerDialog", [&](ModalDialog& editor) {
        EXPECT_EQ(editor.windowTitle().toStdString(), dir.file("site.user"));
        editor.reject();
    });
    click("editUsersButton");
    EXPECT_TRUE(fake.messages().empty());
    EXPECT_TRUE(fake.fileRequests().empty());
    EXPECT_EQ(state.users.path(), dir.file("site.user"));
    EXPECT_EQ(state.addresses.path(), dir.file("site.allow"));
}

TEST_F(WelcomeDialogTest, TwoUserFilesAskAndACancelKeepsTheFirstMatch) {
    writeFile(dir.file("b.user"), "");
    writeFile(dir.file("a.user"), "");
    state.addresses.open("/earlier.allow");
    fake.cancelFile();
    click("editUsersButton");
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].caption, "");
    EXPECT_EQ(fake.messages()[0].text, kUserNotice);
    ASSERT_EQ(fake.fileRequests().size(), 1u);
    EXPECT_EQ(fake.fileRequests()[0].kind, FileRequest::Kind::Open);
    EXPECT_EQ(fake.fileRequests()[0].filter, "user&group file|*.user|All files|*.*||");
    EXPECT_EQ(fake.fileRequests()[0].defaultExtension, "*.user");
    EXPECT_EQ(state.users.path(), dir.file("a.user"));
    EXPECT_EQ(state.addresses.path(), "/earlier.allow");
}

TEST_F(WelcomeDialogTest, NoFilesAskForBothAndConfirmedNamesAreStored) {
    fake.answerFile("/srv/new.user");
    fake.answerFile("/srv/new.allow");
    thenUserManager();
    click("editUsersButton");
    ASSERT_EQ(fake.messages().size(), 2u);
    EXPECT_EQ(fake.messages()[1].text, kAllowNotice);
    EXPECT_EQ(fake.fileRequests()[1].filter, "allowed IP definition file|*.allow|All files|*.*||");
    EXPECT_EQ(state.users.path(), "/srv/new.user");
    EXPECT_EQ(state.addresses.path(), "/srv/new.allow");
}

TEST_F(WelcomeDialogTest, CancelAtTheAllowFileKeepsTheChosenUserFile) {
    writeFile(dir.file("site.user"), "");
    state.addresses.open("/earlier.allow");
    fake.cancelFile();
    click("editUsersButton");
    EXPECT_EQ(state.users.path(), dir.file("site.user"));
    EXPECT_EQ(state.addresses.path(), "/earlier.allow");
}

TEST_F(WelcomeDialogTest, EmptyConfirmedNamesFallBackToTheDefaults) {
    fake.answerFile(QString());
    fake.answerFile(QString());
    thenUserManager();
    click("editUsersButton");
    EXPECT_EQ(state.users.path(), dir.file("default.user"));
    EXPECT_EQ(state.addresses.path(), dir.file("default.allow"));
}

TEST_F(WelcomeDialogTest, VirtualFileSystemActionAsksWithoutNoticeAndLeavesAllowFile) {
    writeFile(dir.file("site.user"), "");
    state.addresses.open("/kept.allow");
    fake.answerFile("/srv/site.vfs");
    fake.onDialog("VfsEditorDialog", [&](ModalDialog& editor) {
        EXPECT_TRUE(static_cast<VfsEditorDialog&>(editor).inFileMode());
        EXPECT_EQ(editor.windowTitle(), QString::fromStdString(dir.file("site.user")));
        find<QPushButton>(editor, "cancelButton")->click();
    });
    click("editVfsButton");
    EXPECT_TRUE(fake.messages().empty());
    ASSERT_EQ(fake.fileRequests().size(), 1u);
    EXPECT_EQ(fake.fileRequests()[0].filter,
              "virtual file system definition file|*.vfs|All files|*.*||");
    EXPECT_EQ(state.mountPoints.path(), "/srv/site.vfs");
    EXPECT_EQ(state.users.path(), dir.file("site.user"));
    EXPECT_EQ(state.addresses.path(), "/kept.allow");
}

TEST_F(WelcomeDialogTest, VirtualFileSystemActionEndsAtACancelledUserFile) {
    writeFile(dir.file("one.vfs"), "");
    fake.cancelFile();
    click("editVfsButton");
    EXPECT_EQ(state.mountPoints.path(), dir.file("one.vfs"));
    EXPECT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(state.users.path(), "");
}

TEST_F(WelcomeDialogTest, FoldersNamedLikeDefinitionFilesCount) {
    std::filesystem::create_directory(dir.file("odd.user"));
    writeFile(dir.file("site.allow"), "");
    thenUserManager();
    click("editUsersButton");
    EXPECT_EQ(state.users.path(), dir.file("odd.user"));
}

TEST_F(WelcomeDialogTest, ChosenPathsLongerThanTheLimitAreRefusedNotCut) {
    const QString longPath = "/" + QString(300, QLatin1Char('x')) + ".user";
    state.users.open("/before.user");
    fake.answerFile(longPath);
    click("editUsersButton");
    ASSERT_EQ(fake.messages().size(), 2u);
    EXPECT_EQ(fake.messages()[1].caption, "ERROR");
    EXPECT_TRUE(fake.messages()[1].text.contains("255"));
    EXPECT_EQ(state.users.path(), "/before.user");
}

TEST(WelcomeDialogDeepDirectory, ACurrentDirectoryOverTheLimitEndsTheAction) {
    ScriptedUi fake;
    TempDir dir;
    std::string deep = dir.path();
    while (deep.size() <= 260) {
        deep += "/" + std::string(50, 'd');
        std::filesystem::create_directory(deep);
    }
    CurrentDirGuard inDeep(deep);
    WizardState state;
    WelcomeDialog dialog(state);
    find<QPushButton>(dialog, "editVfsButton")->click();
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].caption, "ERROR");
    EXPECT_TRUE(fake.fileRequests().empty());
    EXPECT_EQ(state.mountPoints.path(), "");
}

// Every way of closing the start dialog ends the program with code 0.
class WelcomeDialogClosing : public ::testing::TestWithParam<int> {};

TEST_P(WelcomeDialogClosing, EndsWithCodeZero) {
    ScriptedUi fake;
    fake.onDialog("WelcomeDialog", [](ModalDialog& dialog) {
        switch (GetParam()) {
        case 0:
            find<QPushButton>(dialog, "exitButton")->click();
            break;
        case 1:
            QTest::keyClick(&dialog, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        default:
            dialog.close();
        }
    });
    WizardApp app;
    EXPECT_EQ(app.run(), 0);
    EXPECT_FALSE(fake.exitCode().has_value());
}

INSTANTIATE_TEST_SUITE_P(ExitEnterEscapeCloseBox, WelcomeDialogClosing,
                         ::testing::Values(0, 1, 2, 3));

TEST_F(WelcomeDialogTest, DesignActionRunsTheWizardFromItsFirstPage) {
    fake.onDialog("BasicOptionsPage",
                  [](ModalDialog& page) { find<QPushButton>(page, "cancelButton")->click(); });
    click("designButton");
    EXPECT_EQ(fake.dialogsRun(), (std::vector<QString>{"BasicOptionsPage"}));
    EXPECT_EQ(state.users.path(), dir.file("default.user"));
    EXPECT_FALSE(fake.exitCode().has_value());
}

TEST_F(WelcomeDialogTest, ShowsChineseTextsToTraditionalChineseUsers) {
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), QLocale("zh_TW")));
    WelcomeDialog chinese(state);
    EXPECT_EQ(chinese.windowTitle(), QString::fromUtf8("\u6b61\u8fce\u4f7f\u7528 VANTOR FTP SERVER "
                                                       "\u8a2d\u5b9a\u7cbe\u9748"));
    EXPECT_EQ(find<QPushButton>(chinese, "exitButton")->text(), QString::fromUtf8("\u7d50\u675f"));
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(WelcomeDialogGoneDirectory, AnUnreadableCurrentDirectoryEndsTheAction) {
    ScriptedUi fake;
    TempDir dir;
    const std::string gone = dir.file("gone");
    std::filesystem::create_directory(gone);
    CurrentDirGuard inGone(gone);
    std::filesystem::remove(gone);
    WizardState state;
    WelcomeDialog dialog(state);
    find<QPushButton>(dialog, "editUsersButton")->click();
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].text,
              "the current working directory can not be read , setup can not use it");
    EXPECT_EQ(state.users.path(), "");
}

// From the desktop menu the program starts in the home folder: the line is
// marked until "..." moves to the server's folder, whose files the editors
// then take without asking. Enter on the focused "..." presses it, not Exit.
TEST(WelcomeDialogWorkingFolder, AHomeStartIsMarkedUntilTheServerFolderIsChosen) {
    ScriptedUi fake;
    TempDir home;
    TempDir server;
    EnvironmentGuard homeVariable("HOME", home.path());
    CurrentDirGuard inHome(home.path());
    writeFile(server.file("site.user"), "");
    writeFile(server.file("site.allow"), "");
    WizardState state;
    WelcomeDialog dialog(state);
    dialog.show();
    auto* hint = find<QLabel>(dialog, "folderHintLabel");
    auto* dots = find<QPushButton>(dialog, "folderButton");
    EXPECT_TRUE(hint->isVisible());

    fake.answerFolder(QString::fromStdString(server.file("gone")));
    dots->click();
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].caption, "ERROR");
    EXPECT_EQ(CurrentDirectory(), home.path());
    EXPECT_TRUE(hint->isVisible());
    fake.clearMessages();

    fake.answerFolder(QString::fromStdString(server.path()));
    dots->setFocus();
    QTest::keyClick(dots, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(CurrentDirectory(), server.path());
    EXPECT_FALSE(hint->isVisible());
    fake.onDialog("UserManagerDialog", [](ModalDialog& editor) { editor.reject(); });
    find<QPushButton>(dialog, "editUsersButton")->click();
    EXPECT_TRUE(fake.messages().empty());
    EXPECT_TRUE(fake.fileRequests().empty());
    EXPECT_EQ(state.users.path(), server.file("site.user"));
    EXPECT_EQ(state.addresses.path(), server.file("site.allow"));
}

TEST_F(WelcomeDialogTest, ALongWorkingFolderIsCutInTheMiddleWithoutWideningTheDialog) {
    const std::string deep = dir.file(std::string(100, 'd') + "/" + std::string(100, 'e'));
    std::filesystem::create_directories(deep);
    dialog.show();
    const int width = dialog.width();
    fake.answerFolder(QString::fromStdString(deep));
    click("folderButton");
    QCoreApplication::sendPostedEvents();
    const auto* path = find<ElidedLabel>(dialog, "folderPathLabel");
    EXPECT_EQ(dialog.width(), width);
    EXPECT_EQ(path->toolTip().toStdString(), deep);
    EXPECT_LT(path->text().size(), path->fullText().size());
    EXPECT_TRUE(path->text().startsWith(QString::fromStdString(dir.path()).left(5)));
    EXPECT_TRUE(path->text().endsWith("eeee"));
}
