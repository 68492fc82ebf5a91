#include "app/WelcomeDialog.h"
#include "app/WizardApp.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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
    click("editUsersButton");
    EXPECT_TRUE(fake.messages().empty());
    EXPECT_TRUE(fake.fileRequests().empty());
    EXPECT_EQ(state.design.userFile, dir.file("site.user"));
    EXPECT_EQ(state.design.allowFile, dir.file("site.allow"));
}
