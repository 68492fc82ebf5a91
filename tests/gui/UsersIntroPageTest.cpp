#include "gui/wizard/UsersIntroPage.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

void click(const ModalDialog& page, const char* name) {
    find<QPushButton>(page, name)->click();
}

QLineEdit* nowUsing(const ModalDialog& page) {
    return find<QLineEdit>(page, "nowUsingEdit");
}

class UsersIntroPageTest : public ::testing::Test {
protected:
    UsersIntroPageTest() {
        state.users.open(dir.file("default.user"));
        state.addresses.open(dir.file("default.allow"));
    }
    void run(ScriptedUi::Script script) {
        fake.onDialog("UsersIntroPage", std::move(script));
        UsersIntroPage page(state);
        ui().runModal(page);
    }
    void thenPage(const char* name) {
        fake.onDialog(name, [](ModalDialog& page) { page.done(QDialog::Rejected); });
    }
    std::vector<QString> texts() const {
        std::vector<QString> shown;
        for (const auto& message : fake.messages())
            shown.push_back(message.text.left(24));
        return shown;
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

const QString kNoUserFile = "setup can not find *.use";
const QString kNoAllowFile = "setup can not find *.all";

} // namespace

TEST_F(UsersIntroPageTest, ASingleUserFileIsTakenAndReadAndNextGoesOn) {
    writeFile(dir.file("site.user"), "alice:2::::::::::::\r\n");
    run([&](ModalDialog& page) {
        EXPECT_EQ(page.windowTitle(), "server configuration wizard - users and groups");
        EXPECT_EQ(nowUsing(page)->text().toStdString(), dir.file("site.user"));
        EXPECT_EQ(state.users.lines().size(), 1u);
        EXPECT_TRUE(find<QPushButton>(page, "nextButton")->isDefault());
        thenPage("VfsIntroPage");
        QTest::keyClick(nowUsing(page), Qt::Key_Return);
    });
    EXPECT_TRUE(fake.messages().empty());
    EXPECT_EQ(fake.dialogsRun(), (std::vector<QString>{"UsersIntroPage", "VfsIntroPage"}));
}

TEST_F(UsersIntroPageTest, WithoutASingleMatchTheUserIsAskedAndACancelKeepsTheName) {
    writeFile(dir.file("b.user"), "");
    writeFile(dir.file("a.user"), "bob:0::::::::::::\r\n");
    fake.cancelFile();
    run([&](ModalDialog& page) {
        EXPECT_EQ(state.users.path(), dir.file("a.user"));
        EXPECT_EQ(state.users.lines().size(), 1u);
        fake.answerFile(dir.file("chosen.user"));
        click(page, "browseButton");
        EXPECT_EQ(nowUsing(page)->text().toStdString(), dir.file("chosen.user"));
        EXPECT_TRUE(state.users.lines().empty());
        // Escape is Back, and the pages before are made anew.
        thenPage("MoreOptionsPage");
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    EXPECT_EQ(texts(), std::vector<QString>{kNoUserFile});
    EXPECT_EQ(fake.fileRequests()[0].filter, "user&group file|*.user|All files|*.*||");
    EXPECT_EQ(state.users.path(), dir.file("chosen.user"));
}

TEST_F(UsersIntroPageTest, SetupLooksForTheAllowFileEveryTimeAndAnEmptiedNameStaysEmpty) {
    fake.cancelFile();
    run([&](ModalDialog& page) {
        EXPECT_EQ(nowUsing(page)->text().toStdString(), dir.file("default.user"));
        const auto thenEditor = [&] {
            fake.onDialog("UserManagerDialog", [](ModalDialog& editor) { editor.reject(); });
        };
        fake.cancelFile();
        thenEditor();
        click(page, "setupButton");
        EXPECT_EQ(state.addresses.path(), dir.file("default.allow"));
        writeFile(dir.file("a.allow"), "");
        thenEditor();
        click(page, "setupButton");
        EXPECT_EQ(state.addresses.path(), dir.file("a.allow"));

        writeFile(dir.file("b.allow"), "");
        nowUsing(page)->clear();
        fake.cancelFile();
        fake.cancelFile();
        thenEditor();
        click(page, "setupButton");
        EXPECT_EQ(state.users.path(), dir.file("default.user"));
        EXPECT_EQ(state.addresses.path(), dir.file("a.allow"));
        EXPECT_EQ(nowUsing(page)->text(), "");

        nowUsing(page)->setText(QString(300, QLatin1Char('u')));
        click(page, "nextButton");
        EXPECT_EQ(state.users.path(), dir.file("default.user"));
        nowUsing(page)->clear();
        thenPage("VfsIntroPage");
        click(page, "nextButton");
    });
    EXPECT_EQ(texts(),
              (std::vector<QString>{kNoUserFile, kNoAllowFile, kNoUserFile, kNoAllowFile,
                                    ("the path " + QString::fromStdString(dir.path())).left(24)}));
    EXPECT_EQ(state.users.path(), "");
    EXPECT_TRUE(state.users.lines().empty());
}

// A user file that cannot be read is told, and Escape still goes back.
TEST_F(UsersIntroPageTest, EscapeGoesBackAlsoWhenTheUserFileCannotBeRead) {
    std::filesystem::create_directory(dir.file("site.user"));
    run([&](ModalDialog& page) {
        thenPage("MoreOptionsPage");
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    EXPECT_EQ(fake.dialogsRun(), (std::vector<QString>{"UsersIntroPage", "MoreOptionsPage"}));
    EXPECT_EQ(fake.messages().size(), 2u);
}

// Enter on a push button that has the focus presses that button, in the page
// and in the manager; in a text field it presses the default button.
TEST_F(UsersIntroPageTest, CancelEndsTheProcessAfterTheEditorWroteItsAccounts) {
    writeFile(dir.file("site.user"), "");
    writeFile(dir.file("site.allow"), "");
    run([&](ModalDialog& page) {
        fake.onDialog("UserManagerDialog", [](ModalDialog& editor) {
            find<QComboBox>(editor, "nameCombo")->setEditText("carol");
            pressEnterOn(find<QPushButton>(editor, "addUserButton"));
            EXPECT_TRUE(editor.isVisible());
            pressEnterOn(find<QLineEdit>(editor, "noteEdit"));
            EXPECT_EQ(editor.result(), QDialog::Accepted);
        });
        pressEnterOn(find<QPushButton>(page, "setupButton"));
        EXPECT_TRUE(page.isVisible());
        click(page, "cancelButton");
    });
    EXPECT_EQ(fake.exitCode(), 0);
    EXPECT_EQ(readFile(dir.file("site.user")), "carol:4:::1:0:0:0:0:0:0:0::default\r\n");
}
