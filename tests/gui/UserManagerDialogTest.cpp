#include "gui/users/UserManagerDialog.h"
#include "core/users/UserFile.h"
#include "gui/users/UpDownBox.h"
#include "texts/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

const std::string kAlice = "alice:2:pw:staff:1:0:0:0:0:0:0:0::default";
const std::string kBob = "bob:0::ops:1:300:0:3:2:1:7:9:night:cht";

class UserManagerDialogTest : public ::testing::Test {
protected:
    UserManagerDialogTest() {
        state.users.open(userFile);
        state.addresses.open(allowFile);
    }
    ModalDialog& open() {
        dialog = std::make_unique<UserManagerDialog>(state);
        dialog->initDialog();
        dialog->show();
        return *dialog;
    }
    QComboBox* combo(const char* name) { return find<QComboBox>(*dialog, name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(*dialog, name); }
    QLineEdit* number(const char* name) { return find<UpDownBox>(*dialog, name)->edit(); }
    QCheckBox* check(const char* name) { return find<QCheckBox>(*dialog, name); }
    void click(const char* name) { find<QPushButton>(*dialog, name)->click(); }
    void menu(const char* name) { find<QAction>(*dialog, name)->trigger(); }
    void select(const char* box, const char* text) {
        combo(box)->setCurrentIndex(combo(box)->findText(text));
    }
    // The one message shown since the last look, an ERROR, taken off the record.
    QString error() {
        if (fake.messages().size() != 1u) {
            ADD_FAILURE() << fake.messages().size() << " messages";
            return {};
        }
        EXPECT_EQ(fake.messages()[0].caption, "ERROR");
        const QString text = fake.messages()[0].text;
        fake.clearMessages();
        return text;
    }

    ScriptedUi fake;
    TempDir dir;
    std::string userFile = dir.file("site.user");
    std::string allowFile = dir.file("site.allow");
    WizardState state;
    std::unique_ptr<UserManagerDialog> dialog;
};

} // namespace

TEST_F(UserManagerDialogTest, AnEmptyFileOffersNoAccountAndStoresLevelFourByDefault) {
    open();
    EXPECT_EQ(dialog->windowTitle().toStdString(), userFile);
    EXPECT_EQ(combo("nameCombo")->count() + combo("groupCombo")->count(), 0);
    EXPECT_EQ(combo("allowIpCombo")->count(), 0);
    EXPECT_TRUE(check("accountAllowedCheck")->isChecked());
    EXPECT_EQ(combo("levelCombo")->count(), 4);
    EXPECT_EQ(combo("levelCombo")->currentIndex(), -1);
    EXPECT_EQ(combo("languageCombo")->currentText(), "default");
    EXPECT_EQ(number("ratioBox")->text(), "0");
    EXPECT_FALSE(find<UpDownBox>(*dialog, "ratioBox")->isEnabled());
    EXPECT_EQ(combo("allowIpCombo")->toolTip(), loadString(Str::TipAllowedRanges));
    EXPECT_EQ(find<QLabel>(*dialog, "languageLabel")->text(), "Language:");

    combo("nameCombo")->setEditText("carol");
    click("addUserButton");
    EXPECT_EQ(readFile(userFile), "carol:4:::1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(combo("nameCombo")->currentText(), "carol");
    EXPECT_TRUE(fake.messages().empty());
}

TEST_F(UserManagerDialogTest, AddingAnExistingNameReplacesItAndShowsTheFirstSortedAccount) {
    writeFile(userFile, kBob + "\r\n" + kAlice + "\r\n");
    open();
    EXPECT_EQ(combo("nameCombo")->currentText(), "alice");
    EXPECT_EQ(edit("passwordEdit")->text(), "pw");
    EXPECT_EQ(combo("levelCombo")->currentText(), "normal");
    select("nameCombo", "bob");
    EXPECT_EQ(combo("groupCombo")->currentText(), "ops");
    EXPECT_EQ(edit("noteEdit")->text(), "night");
    EXPECT_EQ(combo("languageCombo")->currentText(), "cht-chinese");
    EXPECT_TRUE(check("ipCheckOffCheck")->isChecked());
    EXPECT_EQ(edit("downloadedEdit")->text(), "7");
    EXPECT_EQ(edit("uploadedEdit")->text(), "9");

    // A disabled account keeps its mark.
    check("accountAllowedCheck")->setChecked(false);
    click("addUserButton");
    EXPECT_EQ(combo("nameCombo")->currentText(), "alice");
    EXPECT_EQ(readFile(userFile), kAlice + "\r\nbob:0::ops:0:300:0:3:2:1:7:9:night:cht\r\n");
    select("nameCombo", "bob");
    EXPECT_FALSE(check("accountAllowedCheck")->isChecked());
}

TEST_F(UserManagerDialogTest, UpdateStoresUnderTheSelectedNameAndDeleteKeepsTheAddresses) {
    writeFile(userFile, kAlice + "\r\n" + kBob + "\r\n");
    writeFile(allowFile, "bob@10.0.0.\r\n");
    open();
    select("nameCombo", "bob");
    combo("nameCombo")->setEditText("zed");
    edit("noteEdit")->setText("day");
    click("updateUserButton");
    EXPECT_EQ(readFile(userFile), kAlice + "\r\nbob:0::ops:1:300:0:3:2:1:7:9:day:cht\r\n");

    combo("nameCombo")->setEditText("bob");
    click("delUserButton");
    EXPECT_EQ(readFile(userFile), kAlice + "\r\n");
    EXPECT_EQ(readFile(allowFile), "bob@10.0.0.\r\n");
    EXPECT_EQ(combo("nameCombo")->count(), 1);
}

TEST_F(UserManagerDialogTest, TheLimitBoxesFollowTheirCheckBoxes) {
    writeFile(userFile, kBob + "\r\n");
    open();
    UpDownBox* download = find<UpDownBox>(*dialog, "downloadLimitBox");
    EXPECT_TRUE(download->isEnabled());
    EXPECT_EQ(download->text(), "300");
    check("downloadLimitCheck")->click();
    EXPECT_FALSE(download->isEnabled());
    EXPECT_EQ(download->text(), "0");
    click("updateUserButton");
    EXPECT_EQ(readFile(userFile), "bob:0::ops:1:0:0:3:2:1:7:9:night:cht\r\n");
    EXPECT_FALSE(check("downloadLimitCheck")->isChecked());
    EXPECT_FALSE(download->isEnabled());

    // The arrows keep to their range; a typed value beyond it is kept as it is.
    check("downloadLimitCheck")->click();
    download->edit()->setText("4999");
    download->stepBy(5);
    EXPECT_EQ(download->text(), "5000");
    UpDownBox* logins = find<UpDownBox>(*dialog, "maxLoginsBox");
    logins->edit()->setText("70000");
    logins->stepBy(1);
    EXPECT_EQ(logins->text(), "65535");
    logins->edit()->setText("4294967295");
    click("updateUserButton");
    EXPECT_EQ(readFile(userFile), "bob:0::ops:1:5000:0:3:-1:1:7:9:night:cht\r\n");
    EXPECT_EQ(logins->text(), "4294967295");

    number("ratioBox")->setText("x");
    click("updateUserButton");
    EXPECT_EQ(error(), "Please enter a positive whole number.");
    EXPECT_EQ(readFile(userFile), "bob:0::ops:1:5000:0:3:-1:1:7:9:night:cht\r\n");
}

// What the boxes cannot show (a level or language the lists do not hold, a
// field a short line lacks) shows empty, or as the core reads a missing field,
// and is written back as the line held it, never as the account shown before
// had it; a new account stored while such an account is shown gets a new
// account's level and language. A byte-order mark, as some editors write,
// stays part of the first name.
TEST_F(UserManagerDialogTest, EveryLineIsWrittenBackAsItWasButForTheChanges) {
    const std::string mark = "\xEF\xBB\xBF";
    writeFile(userFile, mark + "ann:2:p" + mark + "w::1:0:0:0:0:0:0:0::eng\r\n" + kBob +
                            "\r\nodd:7:pw::1:0:0:0:0:0:0:0::xx\r\ndave:2:davepw\r\neve:00:pw\r\n");
    open();
    ASSERT_EQ(combo("levelCombo")->currentText(), "root");
    for (const QString& name : {QString("odd"), QString("dave"), QChar(0xFEFF) + QString("ann")}) {
        combo("nameCombo")->setCurrentIndex(combo("nameCombo")->findText(name));
        edit("noteEdit")->setText(edit("noteEdit")->text() + "n");
        click("updateUserButton");
    }
    select("nameCombo", "eve");
    EXPECT_EQ(combo("levelCombo")->currentIndex(), -1);
    focusOn(combo("nameCombo"));
    combo("nameCombo")->lineEdit()->selectAll();
    QTest::keyClicks(combo("nameCombo"), "newbie");
    QTest::mouseClick(find<QPushButton>(*dialog, "addUserButton"), Qt::LeftButton);
    EXPECT_EQ(readFile(userFile), "odd:7:pw::1:0:0:0:0:0:0:0:n:xx\r\n"
                                  "newbie:4:pw::1:0:0:0:0:0:0:0::default\r\n"
                                  "dave:2:davepw::1:0:0:0:0:0:0:0:n:\r\n" +
                                      kBob + "\r\neve:00:pw\r\n" + mark + "ann:2:p" + mark +
                                      "w::1:0:0:0:0:0:0:0:n:eng\r\n");
}

// Only a choice in the list or among the suggestions shows an account: a name
// typed for "add user" stays as typed when the focus leaves the box, and the
// values shown are stored under it, also by a click made while the
// suggestions show.
TEST_F(UserManagerDialogTest, OnlyAChosenNameShowsItsAccount) {
    writeFile(userFile, kAlice + "\r\n" + kBob + "\r\n");
    open();
    QComboBox* names = combo("nameCombo");
    QAbstractItemView* suggestions = names->completer()->popup();
    focusOn(edit("passwordEdit"));
    QTest::keyClick(edit("passwordEdit"), Qt::Key_End);
    QTest::keyClicks(edit("passwordEdit"), "2");
    focusOn(names);
    QTest::keyClicks(names, "bob");
    ASSERT_TRUE(suggestions->isVisible());
    clickThroughWindow(find<QPushButton>(*dialog, "addUserButton"));
    EXPECT_EQ(readFile(userFile), kAlice + "\r\nbob:2:pw2:staff:1:0:0:0:0:0:0:0::default\r\n");

    // A suggestion leaves the typed text alone until it is chosen.
    focusOn(names);
    QTest::keyClick(names, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(names, "B");
    EXPECT_EQ(names->currentText(), "B");
    EXPECT_EQ(suggestions->model()->rowCount(), 1);
    QTest::keyClick(suggestions, Qt::Key_Down);
    QTest::keyClick(suggestions, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(names->currentText(), "bob");
    EXPECT_EQ(edit("passwordEdit")->text(), "pw2");
}

TEST_F(UserManagerDialogTest, AddressesAreAddedAndDeletedForTheShownAccount) {
    writeFile(userFile, kAlice + "\r\n" + kBob + "\r\n");
    writeFile(allowFile, "192.168.\r\nbob@10.0.0.1\r\n");
    open();
    EXPECT_EQ(combo("allowIpCombo")->count(), 1);
    EXPECT_EQ(combo("allowIpCombo")->currentText(), "192.168.");
    combo("allowIpCombo")->setEditText("10.1.");
    click("addAddressButton");
    click("addAddressButton");
    EXPECT_EQ(combo("allowIpCombo")->count(), 2);
    EXPECT_EQ(combo("allowIpCombo")->currentText(), "10.1.");
    EXPECT_EQ(readFile(allowFile), "192.168.\r\nbob@10.0.0.1\r\nalice@10.1.\r\n");

    select("nameCombo", "bob");
    EXPECT_EQ(combo("allowIpCombo")->count(), 2);
    // An address for every account, or one typed in part, stays listed.
    for (const char* address : {"192.168.", "10.0."}) {
        combo("allowIpCombo")->setEditText(address);
        click("delAddressButton");
        EXPECT_EQ(combo("allowIpCombo")->count(), 2);
    }
    combo("allowIpCombo")->setEditText("10.0.0.1");
    click("delAddressButton");
    EXPECT_EQ(combo("allowIpCombo")->count(), 1);
    EXPECT_EQ(combo("allowIpCombo")->currentText(), "");
    EXPECT_EQ(readFile(allowFile), "192.168.\r\nalice@10.1.\r\n");
    EXPECT_TRUE(fake.messages().empty());
}

// A store shows the addresses it holds without reading them again, but only
// those of the allow file in force: after Open, they are the new file's.
TEST_F(UserManagerDialogTest, AStoreShowsTheAddressesOfTheAllowFileInForce) {
    writeFile(userFile, kAlice + "\r\n");
    writeFile(allowFile, "alice@10.0.0.\r\n");
    writeFile(dir.file("other.allow"), "alice@10.9.\r\n");
    open();
    fake.answerFile(dir.file("other.user"));
    fake.answerFile(dir.file("other.allow"));
    menu("openAction");
    // No account is shown, and still the addresses are those of the new file.
    fake.answerFile(dir.file("copy.user"));
    fake.answerFile(dir.file("copy.allow"));
    menu("saveAsAction");
    EXPECT_EQ(readFile(dir.file("copy.allow")), "alice@10.9.\r\n");
    combo("nameCombo")->setEditText("alice");
    click("addUserButton");
    EXPECT_EQ(combo("allowIpCombo")->currentText(), "10.9.");
    combo("allowIpCombo")->setEditText("10.8.");
    click("addAddressButton");
    combo("nameCombo")->setEditText("bob");
    click("addUserButton");
    EXPECT_EQ(combo("allowIpCombo")->count(), 2);
    EXPECT_TRUE(fake.messages().empty());
}

TEST_F(UserManagerDialogTest, RefusedInputsNameTheirRuleAndChangeNoFile) {
    writeFile(userFile, kAlice + "\r\n");
    writeFile(allowFile, "alice@10.0.0.\r\n");
    open();
    const auto refused = [&](const char* button, QWidget* field, const char* text) {
        click(button);
        EXPECT_EQ(error(), text) << button;
        EXPECT_EQ(dialog->focusWidget(), field) << button;
        EXPECT_EQ(readFile(userFile), kAlice + "\r\n");
        EXPECT_EQ(readFile(allowFile), "alice@10.0.0.\r\n");
    };
    edit("passwordEdit")->setText("a:b");
    refused("addUserButton", edit("passwordEdit"),
            "the character : can not be used in a name , password , group , note or language");
    edit("passwordEdit")->clear();
    combo("nameCombo")->setEditText("a@b");
    refused("addUserButton", combo("nameCombo"),
            "the user name can not hold the character @ , it separates the user from the IP in "
            "the *.allow file");
    combo("allowIpCombo")->setEditText("10.0.0.256");
    refused("addAddressButton", combo("allowIpCombo"),
            "the IP must be a full IP such as 140.141.41.1 or a partial one ending in . such as "
            "140.141.41.");
    combo("nameCombo")->setCurrentIndex(-1);
    combo("allowIpCombo")->setEditText("10.0.0.1");
    refused("addAddressButton", combo("nameCombo"), "username is empty , can not proceed");
    refused("updateUserButton", combo("nameCombo"), "username is empty , can not proceed");
}

TEST_F(UserManagerDialogTest, AFileThatCannotBeWrittenIsNamedAndTheDialogStaysOpen) {
    state.users.open(dir.file("missing/site.user"));
    open();
    combo("nameCombo")->setEditText("carol");
    click("addUserButton");
    EXPECT_TRUE(error().contains(dir.file("missing/site.user").c_str()));
    EXPECT_TRUE(dialog->isVisible());
    // OK takes the boxes and closes; Enter is OK.
    QTest::keyClick(edit("noteEdit"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(UserManagerDialogTest, TheFileMenuRenewsSavesAndOpens) {
    writeFile(userFile, kAlice + "\r\n");
    writeFile(allowFile, "alice@10.0.0.\r\n");
    open();
    check("ipCheckOffCheck")->setChecked(true);
    menu("newAction");
    EXPECT_EQ(dialog->windowTitle(), "");
    EXPECT_EQ(combo("nameCombo")->count(), 0);
    EXPECT_EQ(combo("nameCombo")->currentText(), "");
    EXPECT_FALSE(check("ipCheckOffCheck")->isChecked());
    EXPECT_TRUE(check("accountAllowedCheck")->isChecked());
    // Unnamed files are not written: the user is told so and asked for names
    // as Save as asks; a cancel writes nothing. The new files start empty.
    combo("nameCombo")->setEditText("carol");
    fake.cancelFile();
    click("addUserButton");
    EXPECT_EQ(error(), loadString(Str::FileNameEmpty));
    fake.answerFile(dir.file("new.user"));
    fake.answerFile(dir.file("new.allow"));
    menu("saveAction");
    EXPECT_EQ(error(), loadString(Str::FileNameEmpty));
    EXPECT_EQ(fake.fileRequests().back().kind, FileRequest::Kind::Save);
    EXPECT_EQ(fake.fileRequests().back().filter,
              "allowed IP definition file|*.allow|All files|*.*||");
    EXPECT_EQ(readFile(dir.file("new.user")), "");
    EXPECT_EQ(readFile(dir.file("new.allow")), "");
    EXPECT_EQ(state.addresses.path(), dir.file("new.allow"));
    EXPECT_EQ(dialog->windowTitle(), "");
    fake.answerFile(dir.file("third.user"));
    fake.cancelFile();
    menu("saveAsAction");
    EXPECT_EQ(state.users.path(), dir.file("third.user"));
    EXPECT_EQ(state.addresses.path(), dir.file("new.allow"));

    // Save writes the list also when it is empty, once told to overwrite what
    // another program wrote meanwhile.
    writeFile(dir.file("third.user"), kAlice + "\r\n");
    fake.answerQuestion(0);
    menu("saveAction");
    EXPECT_EQ(readFile(dir.file("third.user")), "");

    fake.cancelFile();
    menu("openAction");
    EXPECT_EQ(state.users.path(), dir.file("third.user"));
    // A cancel at the second question keeps the first file: saving the
    // accounts shown must not overwrite the file chosen at the first.
    fake.answerFile(userFile);
    fake.cancelFile();
    menu("openAction");
    EXPECT_EQ(state.users.path(), dir.file("third.user"));
    menu("saveAction");
    EXPECT_EQ(readFile(userFile), kAlice + "\r\n");
    fake.answerFile(userFile);
    fake.answerFile(allowFile);
    menu("openAction");
    EXPECT_EQ(dialog->windowTitle().toStdString(), userFile);
    EXPECT_EQ(combo("nameCombo")->currentText(), "alice");
    EXPECT_EQ(combo("allowIpCombo")->currentText(), "10.0.0.");
    EXPECT_TRUE(fake.messages().empty());
}

// After a file could not be read, nothing writes it, not even once it could
// be, until a reading succeeds: each write names the file error again.
TEST_F(UserManagerDialogTest, AFileThatCouldNotBeReadIsNotWrittenUntilReadAgain) {
    const auto cannotBeRead = [](const std::string& file) {
        std::filesystem::create_directory(file);
    };
    const auto readableAgain = [](const std::string& file, const std::string& content) {
        std::filesystem::remove(file);
        writeFile(file, content);
    };
    cannotBeRead(userFile);
    open();
    EXPECT_TRUE(error().contains(userFile.c_str()));
    readableAgain(userFile, kAlice + "\r\n");
    menu("saveAction");
    EXPECT_TRUE(error().contains(userFile.c_str()));
    combo("nameCombo")->setEditText("carol");
    click("addUserButton");
    EXPECT_TRUE(error().contains(userFile.c_str()));
    EXPECT_EQ(readFile(userFile), kAlice + "\r\n");

    cannotBeRead(allowFile);
    fake.answerFile(userFile);
    fake.answerFile(allowFile);
    menu("openAction");
    EXPECT_TRUE(error().contains(allowFile.c_str()));
    readableAgain(allowFile, "alice@10.0.0.\r\n");
    for (const char* button : {"addAddressButton", "delAddressButton"}) {
        combo("allowIpCombo")->setEditText("10.0.0.");
        click(button);
        EXPECT_TRUE(error().contains(allowFile.c_str())) << button;
    }
    EXPECT_EQ(readFile(allowFile), "alice@10.0.0.\r\n");
    fake.answerFile(userFile);
    fake.answerFile(allowFile);
    menu("openAction");
    combo("allowIpCombo")->setEditText("10.1.");
    click("addAddressButton");
    EXPECT_EQ(readFile(allowFile), "alice@10.0.0.\r\nalice@10.1.\r\n");
}

// A reading that stopped at a byte 0x1A is reported at once, and the file is
// replaced only when the user agrees.
TEST_F(UserManagerDialogTest, AFileReadInPartIsReportedAndReplacedOnlyWhenAgreed) {
    const std::string file = kAlice + "\r\n\x1A\r\n" + kBob + "\r\n";
    writeFile(userFile, file);
    open();
    ASSERT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(fake.messages()[0].caption, "WARNING");
    EXPECT_EQ(fake.messages()[0].text,
              loadString(Str::ReadStoppedAtEndByte).arg(QString::fromStdString(userFile), "2"));
    combo("nameCombo")->setEditText("carol");
    fake.answerYesNo(false);
    click("addUserButton");
    EXPECT_EQ(readFile(userFile), file);
    fake.answerYesNo(true);
    click("addUserButton");
    // Written whole, the file is replaced unasked from now on.
    combo("nameCombo")->setEditText("carol");
    click("addUserButton");
    EXPECT_EQ(readFile(userFile), kAlice + "\r\ncarol:2:pw:staff:1:0:0:0:0:0:0:0::default\r\n");
    EXPECT_EQ(fake.questions().size(), 2u);
}

// Save writes back the accounts as last read; one that another program stored
// since is not dropped unasked, and a reload shows it.
TEST_F(UserManagerDialogTest, SaveAsksBeforeDroppingAnAccountAnotherProgramStored) {
    writeFile(userFile, kAlice + "\r\n");
    open();
    StoreUserLine(userFile, "bob", kBob);
    fake.cancelQuestion();
    menu("saveAction");
    fake.answerQuestion(1);
    menu("saveAction");
    EXPECT_EQ(combo("nameCombo")->count(), 2);
    menu("saveAction");
    EXPECT_EQ(fake.questions().size(), 2u);
    EXPECT_EQ(readFile(userFile), kAlice + "\r\n" + kBob + "\r\n");

    // A store reads the file again: the names list what another program
    // stored meanwhile too, and a removal takes out the one removed.
    StoreUserLine(userFile, "dan", "dan:2:pw::1:0:0:0:0:0:0:0::");
    combo("nameCombo")->setEditText("carol");
    click("addUserButton");
    EXPECT_EQ(combo("nameCombo")->count(), 4);
    click("delUserButton");
    EXPECT_EQ(combo("nameCombo")->itemText(0), "bob");
    EXPECT_EQ(combo("nameCombo")->count(), 3);
}
