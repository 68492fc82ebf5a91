#include "gui/vfs/VfsEditorDialog.h"
#include "core/lines/WholeFile.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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

TEST_F(VfsEditorDialogTest, WizardModeOpensOnTheDesignAndClosingLeavesItAsFound) {
    writeFile(dir.file("site.user"), account("zed", "web") + account("alice", "staff"));
    state.users.open(dir.file("site.user"));
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
    EXPECT_EQ(state.mountPoints.lines().lines(), std::vector<std::string>{root.toStdString()});

    // A second opening shows what the first committed. Cancel, Escape and the
    // close box leave the list as they found it, also after a Save.
    state.users.open(dir.file("missing.user"));
    const std::function<void(ModalDialog&)> closers[] = {
        [](ModalDialog& editor) { click(editor, "cancelButton"); },
        [](ModalDialog& editor) { QTest::keyClick(&editor, Qt::Key_Escape); },
        [](ModalDialog& editor) { editor.close(); }};
    for (const auto& close : closers) {
        run(false, [&](ModalDialog& editor) {
            EXPECT_EQ(entries(editor), QStringList{root});
            fill(editor, dir.path(), "/x");
            click(editor, "addButton");
            menu(editor, "saveAction");
            EXPECT_EQ(state.mountPoints.lines().size(), 2u);
            close(editor);
        });
        EXPECT_EQ(state.mountPoints.lines().lines(), std::vector<std::string>{root.toStdString()});
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(VfsEditorDialogTest, AddChecksInOrderAndPutsInDefaultNames) {
    const std::string pub = sub("pub");
    const std::string bar = sub("a|b");
    const std::string endByte = sub("a\x1A"
                                    "b");
    writeFile(dir.file("plain.txt"), "");
    state.mountPoints.open(dir.file("missing.vfs"));
    run(true, [&](ModalDialog& editor) {
        EXPECT_TRUE(entries(editor).isEmpty());
        const std::pair<std::string, QString> refused[] = {{"", "/pub"},
                                                           {dir.file("plain.txt"), "/pub"},
                                                           {bar, "/pub"},
                                                           {pub, ""},
                                                           {pub, "pub"},
                                                           {pub, "/p|b"},
                                                           {pub + "\n" + pub, "/"},
                                                           {endByte, "/pub"}};
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
                "ERROR: a path or a name of a mount point can not hold a line break",
                "ERROR: a path or a name of a mount point can not hold the byte 0x1A or a NUL "
                "byte"}));
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
    writeFile(dir.file("site.user"), account("bobby", "staffing") + account("Carl", "staff"));
    state.users.open(dir.file("site.user"));
    const std::string longName(32, 'n');
    const std::string file = first + "|/|bob|staff|754|r\n" + pub + "|/pub|carl|staff|700|n\n" +
                             pub + "|/zip|" + longName + "|staff|7|r\n";
    writeFile(dir.file("site.vfs"), file);
    state.mountPoints.open(dir.file("site.vfs"));
    run(true, [&](ModalDialog& editor) {
        auto* owners = find<QComboBox>(editor, "ownerCombo");
        // No listed name equals bob, so he is added rather than bobby shown.
        EXPECT_EQ(owners->currentText(), "bob");
        EXPECT_EQ(owners->count(), 3);
        EXPECT_EQ(find<QComboBox>(editor, "groupCombo")->currentText(), "staff");
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
        const QString newRoot = QString::fromStdString(pub) + "|/|bob|staff|754|r";
        EXPECT_EQ(entries(editor)[2], newRoot);

        // Carl is the one name equal to carl ignoring case: he is shown, and an
        // Update keeps the entry's own spelling, unchanged fields the whole line.
        select(editor, 0);
        EXPECT_EQ(owners->currentText(), "Carl");
        EXPECT_EQ(owners->count(), 3);
        click(editor, "updateButton");
        EXPECT_EQ(entries(editor)[0], QString::fromStdString(pub) + "|/pub|carl|staff|700|n");
        select(editor, 0);
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
    state.mountPoints.open(dir.file("site.vfs"));
    run(true, [&](ModalDialog& editor) {
        EXPECT_EQ(entries(editor),
                  (QStringList{"/a|/a|u|g|700|r", "/B|/b|u|g|700|r", "/c|/c|u|g|700|r"}));
        click(editor, "okButton");
        EXPECT_FALSE(editor.isVisible());
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")),
              "/a|/a|u|g|700|r\r\n/c|/c|u|g|700|r\r\n/B|/b|u|g|700|r\r\n");
}

// Another program writes the file while the editor holds it: Ok asks first.
// Cancel writes nothing and keeps the dialog open, Reload shows the file's
// entries, Overwrite writes the editor's.
TEST_F(VfsEditorDialogTest, AFileChangedByAnotherProgramIsNotOverwrittenUnasked) {
    const std::string vfsFile = dir.file("site.vfs");
    writeFile(vfsFile, "/a|/a|u|g|700|r\n");
    state.mountPoints.open(vfsFile);
    run(true, [&](ModalDialog& editor) {
        WriteFileAtomically(vfsFile, "/b|/b|u|g|700|r\r\n");
        fake.cancelQuestion();
        click(editor, "okButton");
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(readFile(vfsFile), "/b|/b|u|g|700|r\r\n");
        fake.answerQuestion(1);
        click(editor, "okButton");
        EXPECT_EQ(entries(editor), QStringList{"/b|/b|u|g|700|r"});
        WriteFileAtomically(vfsFile, "/d|/d|u|g|700|r\r\n");
        fake.answerQuestion(0);
        click(editor, "okButton");
        EXPECT_FALSE(editor.isVisible());
    });
    ASSERT_EQ(fake.questions().size(), 3u);
    EXPECT_TRUE(fake.questions()[0].text.contains(QString::fromStdString(vfsFile)));
    EXPECT_EQ(readFile(vfsFile), "/b|/b|u|g|700|r\r\n");
}

// Save in wizard mode commits and Save as names the design's file, writing
// nothing; Cancel takes both back. Keys and clicks as the user makes them.
TEST_F(VfsEditorDialogTest, SavingInWizardModeCommitsWithoutWriting) {
    state.design.rootDirectory = dir.path();
    run(false, [&](ModalDialog& editor) {
        chooseFromFileMenu(&editor, Qt::Key_S);
        EXPECT_EQ(state.mountPoints.lines().size(), 1u);
        fake.answerFile(dir.file("named.vfs"));
        chooseFromFileMenu(&editor, Qt::Key_A);
        EXPECT_EQ(fake.fileRequests().back().kind, FileRequest::Kind::Save);
        EXPECT_EQ(state.mountPoints.path(), dir.file("named.vfs"));
        QTest::mouseClick(find<QPushButton>(editor, "cancelButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(state.mountPoints.lines().empty());
    EXPECT_FALSE(state.mountPoints.named());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// After New no file is named: Save and Ok ask for one as Save as does, a cancel
// there writes nothing, and the file open before keeps its content.
TEST_F(VfsEditorDialogTest, AfterNewSaveAndOkAskForAFileName) {
    writeFile(dir.file("site.vfs"), "/srv|/|u|g|754|r\n");
    state.mountPoints.open(dir.file("site.vfs"));
    run(true, [&](ModalDialog& editor) {
        menu(editor, "newAction");
        EXPECT_TRUE(entries(editor).isEmpty());
        EXPECT_EQ(edit(editor, "physicalPathEdit")->text(), "");
        fill(editor, dir.path(), "/");
        click(editor, "addButton");
        shown();
        fake.cancelFile();
        fake.cancelFile();
        menu(editor, "saveAction");
        click(editor, "okButton");
        EXPECT_EQ(fake.fileRequests().back().kind, FileRequest::Kind::Save);
        EXPECT_TRUE(editor.isVisible());
        // A file that cannot be written is named; the design does not take
        // entries that no file holds.
        fake.answerFile(dir.file("no/such/folder.vfs"));
        click(editor, "okButton");
        EXPECT_TRUE(shown().at(0).contains("no/such/folder.vfs"));
        EXPECT_TRUE(editor.isVisible());
        EXPECT_TRUE(state.mountPoints.lines().empty());
        fake.answerFile(dir.file("new.vfs"));
        menu(editor, "saveAsAction");
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")), "/srv|/|u|g|754|r\n");
    EXPECT_EQ(readFile(dir.file("new.vfs")), dir.path() + "|/|default|default|000|n\r\n");
}

TEST_F(VfsEditorDialogTest, OpenChangesNoFileUntilBothAreChosen) {
    writeFile(dir.file("a.user"), account("ann", "ops"));
    writeFile(dir.file("b.user"), account("ben", "dev"));
    writeFile(dir.file("other.vfs"), "/x|/x|ben|dev|700|r\n");
    state.design.rootDirectory = dir.path();
    state.users.open(dir.file("first.user"));
    run(false, [&](ModalDialog& editor) {
        fake.cancelFile();
        chooseFromFileMenu(&editor, Qt::Key_O);
        fake.answerFile(dir.file("other.vfs"));
        fake.cancelFile();
        chooseFromFileMenu(&editor, Qt::Key_O);
        EXPECT_EQ(state.mountPoints.path(), "");
        EXPECT_EQ(state.users.path(), dir.file("first.user"));
        EXPECT_EQ(entries(editor).size(), 1);

        fake.answerFile(dir.file("other.vfs"));
        fake.answerFile(dir.file("b.user"));
        chooseFromFileMenu(&editor, Qt::Key_O);
        EXPECT_EQ(entries(editor), QStringList{"/x|/x|ben|dev|700|r"});
        EXPECT_EQ(editor.windowTitle(), QString::fromStdString(dir.file("b.user")));
        EXPECT_TRUE(static_cast<VfsEditorDialog&>(editor).inFileMode());
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
    EXPECT_EQ(fake.fileRequests()[2].filter, "user&group file|*.user|All files|*.*||");
    // Cancel leaves the design's files as the editor found them.
    EXPECT_FALSE(state.mountPoints.named());
    EXPECT_EQ(state.users.path(), dir.file("first.user"));
}

// A *.vfs file that could not be read is not written until a reading succeeds;
// one that read in part is reported, and replaced only when the user agrees.
TEST_F(VfsEditorDialogTest, AFileNotReadWholeIsNotWrittenUnasked) {
    const std::string site = dir.file("site.vfs");
    std::filesystem::create_directory(site);
    state.mountPoints.open(site);
    const std::string lossy = "/a|/|u|g|700|r\r\n\x1A\r\n/b|/b|u|g|700|r\r\n";
    run(true, [&](ModalDialog& editor) {
        std::filesystem::remove(site);
        writeFile(site, lossy);
        click(editor, "okButton");
        menu(editor, "saveAction");
        const auto errors = shown();
        ASSERT_EQ(errors.size(), 3u);
        EXPECT_TRUE(errors[2].contains(QString::fromStdString(site)));
        EXPECT_EQ(readFile(site), lossy);

        fake.answerFile(site);
        fake.answerFile(dir.file("site.user"));
        menu(editor, "openAction");
        EXPECT_EQ(shown(),
                  std::vector<QString>{"WARNING: " + loadString(Str::ReadStoppedAtEndByte)
                                                         .arg(QString::fromStdString(site), "2")});
        fake.answerYesNo(false);
        click(editor, "okButton");
        EXPECT_EQ(readFile(site), lossy);
        fake.answerYesNo(true);
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(site), "/a|/|u|g|700|r\r\n");
    EXPECT_TRUE(fake.questions().at(0).text.contains(QString::fromStdString(site)));
}

// open() is the dialog framework's: it shows the dialog and leaves the design
// as it is.
TEST_F(VfsEditorDialogTest, OpenShowsTheDialogAndKeepsTheMountPoints) {
    state.mountPoints.setLines(lineList({"/srv|/|default|default|754|r"}));
    VfsEditorDialog editor(state);
    static_cast<QDialog&>(editor).open();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(state.mountPoints.lines().size(), 1u);
    editor.done(QDialog::Rejected);
}

// An owner or group is found by typing its beginning, letter case ignored; only
// a chosen name counts, and leaving a box shows its chosen name again. A
// click on Add while the suggestions show presses Add.
TEST_F(VfsEditorDialogTest, TypedNamesAreSuggestedAndOnlyAChosenOneCounts) {
    writeFile(dir.file("site.user"),
              account("ann", "ops") + account("Bea", "ops") + account("ben", "dev"));
    state.users.open(dir.file("site.user"));
    state.mountPoints.open(dir.file("site.vfs"));
    const std::string pub = sub("pub");
    run(true, [&](ModalDialog& editor) {
        auto* owners = find<QComboBox>(editor, "ownerCombo");
        focusOn(owners);
        QTest::keyClicks(owners, "B");
        for (const auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(owners->completer()->popup(), key);
        fill(editor, pub, "/pub");
        auto* groups = find<QComboBox>(editor, "groupCombo");
        focusOn(groups);
        QTest::keyClicks(groups, "o");
        ASSERT_TRUE(groups->completer()->popup()->isVisible());
        clickThroughWindow(find<QPushButton>(editor, "addButton"));
        EXPECT_EQ(groups->currentText(), "dev");
        click(editor, "okButton");
    });
    EXPECT_EQ(readFile(dir.file("site.vfs")), pub + "|/pub|ben|dev|000|n\r\n");
}
