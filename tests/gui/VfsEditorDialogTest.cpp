#include "gui/vfs/VfsEditorDialog.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

const QString kRootDeleteRefused =
    "please do not delete the virtual path / for FTP server root directory  , but you can change "
    "its physical path or the permissions";
const QString kRootRenameRefused = "please do not change the virtual path / to other virtual "
                                   "paths , but you can change its physical path to another "
                                   "directory";
const QString kExists = "virtual path already exists , please delete that virtual path first , or "
                        "use update button to update this virtual path";

std::string account(const std::string& name, const std::string& group) {
    return name + ":2:pw:" + group + ":1:0:0:0:0:0:0:0::\r\n";
}

QStringList entries(const ModalDialog& dialog) {
    QStringList texts;
    const auto* list = find<QListWidget>(dialog, "entryList");
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString selected(const ModalDialog& dialog) {
    const auto items = find<QListWidget>(dialog, "entryList")->selectedItems();
    return items.isEmpty() ? QString() : items[0]->text();
}

void select(const ModalDialog& dialog, int row) {
    find<QListWidget>(dialog, "entryList")->setCurrentRow(row);
}

QLineEdit* edit(const ModalDialog& dialog, const char* name) {
    return find<QLineEdit>(dialog, name);
}

bool ticked(const ModalDialog& dialog, const char* name) {
    return find<QCheckBox>(dialog, name)->isChecked();
}

void click(const ModalDialog& dialog, const char* name) {
    find<QPushButton>(dialog, name)->click();
}

void menu(const ModalDialog& dialog, const char* name) {
    find<QAction>(dialog, name)->trigger();
}

void fill(const ModalDialog& dialog, const std::string& physical, const QString& virtualPath) {
    edit(dialog, "physicalPathEdit")->setText(QString::fromStdString(physical));
    edit(dialog, "virtualPathEdit")->setText(virtualPath);
}

class VfsEditorDialogTest : public ::testing::Test {
protected:
    void run(bool fileMode, ScriptedUi::Script script) {
        fake.onDialog("VfsEditorDialog", std::move(script));
        VfsEditorDialog editor(state);
        if (fileMode)
            editor.enterFileMode();
        ui().runModal(editor);
    }
    // The texts of the messages shown since the last call.
    std::vector<QString> shown() {
        std::vector<QString> texts;
        for (const auto& message : fake.messages())
            texts.push_back(message.caption + ": " + message.text);
        fake.clearMessages();
        return texts;
    }
    std::string sub(const char* name) {
        std::filesystem::create_directory(dir.file(name));
        return dir.file(name);
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

} // namespace

TEST_F(VfsEditorDialogTest, WizardModeStartsFromOneRootEntryEveryTime) {
    writeFile(dir.file("site.user"), account("zed", "web") + account("alice", "staff"));
    state.design.userFile = dir.file("site.user");
    state.design.rootDirectory = "/srv/ftp";
    const QString root = "/srv/ftp|/|alice|staff|755|r";
    run(false, [&](ModalDialog& editor) {
        EXPECT_EQ(entries(editor), QStringList{root});
        EXPECT_EQ(selected(editor), root);
        EXPECT_EQ(editor.windowTitle(), QString::fromStdString(dir.file("site.user")));
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), "/srv/ftp");
        EXPECT_EQ(edit(editor, "virtualPathEdit")->text(), "/");
        for (const char* on :
             {"ownerReadCheck", "ownerWriteCheck", "ownerExecuteCheck", "groupReadCheck",
              "groupExecuteCheck", "otherReadCheck", "otherExecuteCheck", "inheritCheck"})
            EXPECT_TRUE(ticked(editor, on)) << on;
        EXPECT_FALSE(ticked(editor, "groupWriteCheck") || ticked(editor, "otherWriteCheck"));
        EXPECT_EQ(find<QComboBox>(editor, "groupCombo")->count(), 2);
        EXPECT_EQ(edit(editor, "virtualPathEdit")->toolTip(),
                  "the mapped virtual directory of a physical directory , ex: /temp");
        EXPECT_EQ(find<QLabel>(editor, "otherClassLabel")->toolTip(),
                  "the below 3 check boxes are the permissions of the owner of this virtual "
                  "directory");
        click(editor, "okButton");
    });
    EXPECT_EQ(state.mountPoints.lines(), std::vector<std::string>{root.toStdString()});

    // A second opening drops what the first committed; Cancel commits nothing.
    state.design.userFile = dir.file("missing.user");
    run(false, [&](ModalDialog& editor) {
        EXPECT_TRUE(state.mountPoints.empty());
        EXPECT_EQ(entries(editor), QStringList{"/srv/ftp|/|default|default|755|r"});
        EXPECT_EQ(find<QComboBox>(editor, "ownerCombo")->currentText(), "default");
        click(editor, "cancelButton");
    });
    EXPECT_TRUE(state.mountPoints.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(VfsEditorDialogTest, AddChecksInOrderAndPutsInDefaultNames) {
    const std::string pub = sub("pub");
    const std::string bar = sub("a|b");
    writeFile(dir.file("plain.txt"), "");
    state.design.vfsFile = dir.file("missing.vfs");
    run(true, [&](ModalDialog& editor) {
        EXPECT_TRUE(entries(editor).isEmpty());
        const std::pair<std::string, QString> refused[] = {
            {"", "/pub"},  {dir.file("plain.txt"), "/pub"}, {bar, "/pub"}, {pub, ""}, {pub, "pub"},
            {pub, "/p|b"}, {pub + "\n" + pub, "/"}};
        for (const auto& [physical, virtualPath] : refused) {
            fill(editor, physical, virtualPath);
            click(editor, "addButton");
        }
        EXPECT_EQ(
            shown(),
            (std::vector<QString>{
                "ERROR: physical path can not be empty", "ERROR: physical path does not exist",
                "ERROR: the character | can not be used in a path or a name of a mount point",
                "ERROR: virtual path can not be empty",
                "ERROR: must be a full virtual path , starting from / ( root directory )",
                "ERROR: the character | can not be used in a path or a name of a mount point",
                "ERROR: a path or a name of a mount point can not hold a line break"}));
        EXPECT_EQ(editor.focusWidget(), edit(editor, "physicalPathEdit"));
        EXPECT_TRUE(entries(editor).isEmpty());

        fill(editor, pub, "/pub");
        find<QCheckBox>(editor, "otherReadCheck")->setChecked(true);
        click(editor, "addButton");
        EXPECT_EQ(shown(), (std::vector<QString>{"WARNING: empty directory owner , using default",
                                                 "WARNING: empty directory owner group , using "
                                                 "default"}));
        const QString added = QString::fromStdString(pub) + "|/pub|default|default|004|n";
        EXPECT_EQ(entries(editor), QStringList{added});
        EXPECT_EQ(selected(editor), "");

        // The existing entry is selected and shown in place of the fields.
        fill(editor, dir.path(), "/pub");
        click(editor, "addButton");
        EXPECT_EQ(shown().back(), "ERROR: " + kExists);
        EXPECT_EQ(selected(editor), added);
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), QString::fromStdString(pub));
        EXPECT_EQ(find<QComboBox>(editor, "ownerCombo")->currentText(), "default");

        // An entry added above the selected one leaves the typed values.
        fill(editor, "/etc", "/a");
        click(editor, "addButton");
        EXPECT_EQ(entries(editor).size(), 2);
        EXPECT_EQ(edit(editor, "virtualPathEdit")->text(), "/a");

        // A cancelled browser empties the field it would have filled.
        fake.answerFolder(QString::fromStdString(dir.path()));
        fake.cancelFolder();
        click(editor, "browseButton");
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), QString::fromStdString(dir.path()));
        click(editor, "browseButton");
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), "");
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(dir.file("missing.vfs")),
              "/etc|/a|default|default|004|n\r\n" + pub + "|/pub|default|default|004|n\r\n");
}

TEST_F(VfsEditorDialogTest, RootRulesUpdateAndDelete) {
    const std::string pub = sub("pub");
    const std::string first = sub("a");
    writeFile(dir.file("site.user"), account("bobby", "staff"));
    state.design.userFile = dir.file("site.user");
    const std::string longName(32, 'n');
    const std::string file = first + "|/|bob|staff|754|r\n" + pub + "|/pub|carl|staff|700|n\n" +
                             pub + "|/zip|" + longName + "|staff|7|r\n";
    writeFile(dir.file("site.vfs"), file);
    state.design.vfsFile = dir.file("site.vfs");
    run(true, [&](ModalDialog& editor) {
        auto* owners = find<QComboBox>(editor, "ownerCombo");
        // bob is found as the first name that begins with it.
        EXPECT_EQ(owners->currentText(), "bobby");
        EXPECT_EQ(owners->count(), 1);
        edit(editor, "physicalPathEdit")->setText("edited");
        click(editor, "deleteButton");
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), QString::fromStdString(first));
        edit(editor, "virtualPathEdit")->setText("/moved");
        click(editor, "updateButton");
        EXPECT_EQ(edit(editor, "virtualPathEdit")->text(), "/");
        EXPECT_EQ(shown(), (std::vector<QString>{"ERROR: " + kRootDeleteRefused,
                                                 "ERROR: " + kRootRenameRefused}));

        // The root may get another directory; the lists' names go with it.
        edit(editor, "physicalPathEdit")->setText(QString::fromStdString(pub));
        click(editor, "updateButton");
        EXPECT_TRUE(shown().empty());
        const QString newRoot = QString::fromStdString(pub) + "|/|bobby|staff|754|r";
        EXPECT_EQ(entries(editor)[2], newRoot);

        // carl is not listed, so showing his entry adds him.
        select(editor, 0);
        EXPECT_EQ(owners->currentText(), "carl");
        EXPECT_EQ(owners->count(), 2);
        find<QCheckBox>(editor, "groupReadCheck")->setChecked(true);
        click(editor, "updateButton");
        EXPECT_TRUE(shown().empty());
        select(editor, 1);
        EXPECT_TRUE(ticked(editor, "groupReadCheck")) << "a bad permission field keeps the boxes";
        click(editor, "updateButton");
        edit(editor, "physicalPathEdit")->setText(QString::fromStdString(dir.file("gone")));
        click(editor, "updateButton");
        EXPECT_EQ(shown(), (std::vector<QString>{"ERROR: the owner or group name is longer than 31 "
                                                 "characters",
                                                 "ERROR: physical path does not exist"}));
        click(editor, "deleteButton");
        EXPECT_EQ(selected(editor), "");
        EXPECT_EQ(edit(editor, "virtualPathEdit")->text(), "/zip");
        EXPECT_EQ(entries(editor),
                  (QStringList{QString::fromStdString(pub) + "|/pub|carl|staff|740|n", newRoot}));
        click(editor, "cancelButton");
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")), file);
}

// Ok writes the first entry shown, then the others from the last upwards.
TEST_F(VfsEditorDialogTest, OkWritesTheFileEvenUnchanged) {
    writeFile(dir.file("site.vfs"), "/c|/c|u|g|700|r\n/a|/a|u|g|700|r\n/B|/b|u|g|700|r\n");
    state.design.vfsFile = dir.file("site.vfs");
    run(true, [&](ModalDialog& editor) {
        EXPECT_EQ(entries(editor),
                  (QStringList{"/a|/a|u|g|700|r", "/B|/b|u|g|700|r", "/c|/c|u|g|700|r"}));
        click(editor, "okButton");
        EXPECT_FALSE(editor.isVisible());
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")),
              "/a|/a|u|g|700|r\r\n/c|/c|u|g|700|r\r\n/B|/b|u|g|700|r\r\n");
}

TEST_F(VfsEditorDialogTest, SavingInWizardModeCommitsWithoutWriting) {
    state.design.rootDirectory = dir.path();
    run(false, [&](ModalDialog& editor) {
        menu(editor, "saveAction");
        EXPECT_EQ(state.mountPoints.size(), 1u);
        fake.answerFile(dir.file("named.vfs"));
        menu(editor, "saveAsAction");
        EXPECT_EQ(fake.fileRequests().back().kind, FileRequest::Kind::Save);
        EXPECT_EQ(state.design.vfsFile, dir.file("named.vfs"));
        click(editor, "cancelButton");
    });
    EXPECT_EQ(state.mountPoints.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// After New in wizard mode no file is named yet: Save and Ok name the failure
// and keep the dialog open with its entries.
TEST_F(VfsEditorDialogTest, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
    state.design.rootDirectory = dir.path();
    run(false, [&](ModalDialog& editor) {
        menu(editor, "newAction");
        EXPECT_TRUE(entries(editor).isEmpty());
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), "");
        fill(editor, dir.path(), "/");
        click(editor, "addButton");
        shown();
        menu(editor, "saveAction");
        click(editor, "okButton");
        const auto messages = shown();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_TRUE(messages[0].startsWith("ERROR: the file ")) << messages[0].toStdString();
        EXPECT_EQ(messages[1], messages[0]);
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(state.mountPoints.size(), 1u);
        state.design.vfsFile = dir.file("no/such/folder.vfs");
        click(editor, "okButton");
        EXPECT_TRUE(shown()[0].contains("no/such/folder.vfs"));
        state.design.vfsFile = dir.file("empty.vfs");
        menu(editor, "newAction");
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(dir.file("empty.vfs")), "");
}

TEST_F(VfsEditorDialogTest, OpenChangesNoFileUntilBothAreChosen) {
    writeFile(dir.file("a.user"), account("ann", "ops"));
    writeFile(dir.file("b.user"), account("ben", "dev"));
    writeFile(dir.file("other.vfs"), "/x|/x|ben|dev|700|r\n");
    state.design.rootDirectory = dir.path();
    state.design.userFile = dir.file("first.user");
    run(false, [&](ModalDialog& editor) {
        fake.cancelFile();
        menu(editor, "openAction");
        fake.answerFile(dir.file("other.vfs"));
        fake.cancelFile();
        menu(editor, "openAction");
        EXPECT_EQ(state.design.vfsFile, "");
        EXPECT_EQ(state.design.userFile, dir.file("first.user"));
        EXPECT_EQ(entries(editor).size(), 1);

        fake.answerFile(dir.file("other.vfs"));
        fake.answerFile(dir.file("b.user"));
        menu(editor, "openAction");
        EXPECT_EQ(entries(editor), QStringList{"/x|/x|ben|dev|700|r"});
        EXPECT_EQ(editor.windowTitle(), QString::fromStdString(dir.file("b.user")));
        EXPECT_TRUE(static_cast<VfsEditorDialog&>(editor).inFileMode());
        click(editor, "cancelButton");
    });
    EXPECT_EQ(fake.fileRequests()[2].filter, "user&group file|*.user|All files|*.*||");
}

// An owner or group is found by typing its beginning, letter case ignored; only
// a chosen name counts, and leaving a box shows its chosen name again.
TEST_F(VfsEditorDialogTest, TypedNamesAreSuggestedAndOnlyAChosenOneCounts) {
    writeFile(dir.file("site.user"),
              account("ann", "ops") + account("Bea", "ops") + account("ben", "dev"));
    state.design.userFile = dir.file("site.user");
    state.design.vfsFile = dir.file("site.vfs");
    const std::string pub = sub("pub");
    run(true, [&](ModalDialog& editor) {
        auto* owners = find<QComboBox>(editor, "ownerCombo");
        focusOn(owners);
        QTest::keyClicks(owners, "B");
        for (const auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(owners->completer()->popup(), key);
        auto* groups = find<QComboBox>(editor, "groupCombo");
        focusOn(groups);
        QTest::keyClicks(groups, "o");
        QTest::keyClick(groups->completer()->popup(), Qt::Key_Escape);
        fill(editor, pub, "/pub");
        focusOn(edit(editor, "physicalPathEdit"));
        EXPECT_EQ(groups->currentText(), "dev");
        click(editor, "addButton");
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")), pub + "|/pub|ben|dev|000|n\r\n");
}
