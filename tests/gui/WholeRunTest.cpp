#include "core/users/UserFile.h"
#include "gui/app/WelcomeDialog.h"
#include "texts/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

void click(ModalDialog& page, const char* name) {
    QTest::mouseClick(find<QPushButton>(page, name), Qt::LeftButton);
}

void typeInto(QLineEdit* field, const QString& text) {
    focusOn(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

void pressNext(ModalDialog& page) {
    click(page, "nextButton");
}

void pressFinish(ModalDialog& page) {
    click(page, "finishButton");
}

// One walk through the five pages by Next, as an administrator designs a
// server; the root directory is typed on the first visit only, since the
// record keeps it. The users, virtual file system and finish pages may be
// played otherwise, as long as they hand over.
void queueWalk(ScriptedUi& fake, const std::string& root,
               const ScriptedUi::Script& users = pressNext,
               const ScriptedUi::Script& vfs = pressNext,
               const ScriptedUi::Script& finish = pressFinish) {
    fake.onDialog("BasicOptionsPage", [root](ModalDialog& page) {
        auto* rootEdit = find<QLineEdit>(page, "rootDirectoryEdit");
        if (rootEdit->text().isEmpty())
            typeInto(rootEdit, QString::fromStdString(root));
        click(page, "nextButton");
    });
    fake.onDialog("MoreOptionsPage", pressNext);
    fake.onDialog("UsersIntroPage", users);
    fake.onDialog("VfsIntroPage", vfs);
    fake.onDialog("FinishPage", finish);
}

QString text(const std::string& path) {
    return QString::fromStdString(path);
}

const std::string kAlice = "alice:1:secret:staff:1:0:0:0:0:0:0:0::eng";

} // namespace

// The program's main job from the start dialog to the files on disk, twice in
// one process: the second design starts from what the first one stored and
// must leave every file as the first one wrote it.
TEST(WholeRun, DesignsAServerAndASecondRunKeepsEveryFile) {
    ScriptedUi fake;
    TempDir dir;
    TempDir root;
    CurrentDirGuard inDir{dir.path()};
    const std::string accounts = kAlice + "\r\n";
    writeFile(dir.file("site.user"), accounts);
    WizardState state;
    WelcomeDialog start(state);
    start.initDialog();

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        queueWalk(fake, root.path());
        click(start, "designButton");

        const std::vector<QString> pages{"BasicOptionsPage", "MoreOptionsPage", "UsersIntroPage",
                                         "VfsIntroPage", "FinishPage"};
        EXPECT_EQ(std::vector<QString>(fake.dialogsRun().end() - 5, fake.dialogsRun().end()),
                  pages);
        ASSERT_EQ(fake.messages().size(), 1u) << "no allowed addresses were designed";
        EXPECT_EQ(fake.messages()[0].text, loadString(Str::AllowFileEmpty));
        fake.clearMessages();

        const ServerDesign record = state.designToWrite();
        EXPECT_EQ(record.configFile, dir.file("VantorFTPD32.ftpd"));
        EXPECT_EQ(record.userFile, dir.file("site.user"));
        EXPECT_EQ(readFile(record.configFile), "[FTPD]\r\n"
                                               "SERVER_NAME=VantorFTPD32\r\n"
                                               "SERVER_IP=" +
                                                   record.serverIp +
                                                   "\r\n"
                                                   "LISTEN_PORT=21\r\n"
                                                   "ALLOW_ANON=1\r\n"
                                                   "USE_ANON_MAX=1\r\n"
                                                   "ANON_MAX=16\r\n"
                                                   "USE_USER_MAX=1\r\n"
                                                   "USER_MAX=32\r\n"
                                                   "USE_MAXUSER_PER_IP=1\r\n"
                                                   "MAXUSER_PER_IP=2\r\n"
                                                   "IPCHK=0\r\n"
                                                   "IPCHK_DATA=0\r\n"
                                                   "PASV_IP_ROLLING=0\r\n"
                                                   "AUTO_CHOOSE_IP=1\r\n"
                                                   "VFSFILE=" +
                                                   dir.file("VantorFTPD32.vfs") +
                                                   "\r\n"
                                                   "USRFILE=" +
                                                   dir.file("site.user") +
                                                   "\r\n"
                                                   "IPFILE=" +
                                                   dir.file("default.allow") +
                                                   "\r\n"
                                                   "USE_DATAPORT_RANGE=0\r\n"
                                                   "PORT_FROM=200\r\n"
                                                   "PORT_TO=500\r\n"
                                                   "TIMEOUT=600\r\n");
        EXPECT_EQ(readFile(dir.file("VantorFTPD32.vfs")),
                  root.path() + "|/|default|default|754|r\r\n");
        EXPECT_EQ(readFile(dir.file("site.user")), accounts);
        EXPECT_FALSE(exists(dir.file("default.allow")));
        EXPECT_EQ(readFile(dir.file("ftpmarlin.startup")), "ftpdstart VantorFTPD32.ftpd\r\n");
    }
    EXPECT_FALSE(fake.exitCode().has_value());
}

// Another program changes the files between the reading and Finish, in one
// run and between two: Finish asks before it replaces any of them, writes
// nothing while the user says no, and asks before it rewrites another
// server's configuration file.
TEST(WholeRun, FinishAsksBeforeReplacingWhatAnotherProgramChanged) {
    ScriptedUi fake;
    TempDir dir;
    TempDir root;
    CurrentDirGuard inDir{dir.path()};
    const std::string users = dir.file("site.user");
    const std::string config = dir.file("VantorFTPD32.ftpd");
    const std::string vfs = dir.file("VantorFTPD32.vfs");
    const std::string carol = "carol:2:pw::1:0:0:0:0:0:0:0::eng";
    writeFile(users, kAlice + "\r\n");
    writeFile(config, "[FTPD]\r\nSERVER_NAME=Other\r\n");
    WizardState state;
    WelcomeDialog start(state);
    start.initDialog();

    const auto carolArrives = [&](ModalDialog& page) {
        StoreUserLine(users, "carol", carol);
        pressNext(page);
    };
    queueWalk(fake, root.path(), pressNext, carolArrives, [&](ModalDialog& page) {
        fake.answerYesNo(false);
        pressFinish(page);
        EXPECT_TRUE(page.isVisible());
        EXPECT_FALSE(exists(vfs));
        fake.answerYesNo(true);
        fake.answerQuestion(1); // the user file: read it into the design again
        pressFinish(page);
    });
    click(start, "designButton");
    ASSERT_EQ(fake.questions().size(), 3u);
    EXPECT_TRUE(fake.questions()[0].text.contains(text(config)));
    EXPECT_TRUE(fake.questions()[2].text.contains(text(users)));
    EXPECT_EQ(readFile(users), kAlice + "\r\n" + carol + "\r\n");
    EXPECT_EQ(readFile(config).rfind("[FTPD]\r\nSERVER_NAME=VantorFTPD32\r\n", 0), 0u);

    const std::string theirs = "/srv|/|default|default|700|r\r\n";
    writeFile(vfs, theirs);
    queueWalk(fake, root.path(), pressNext, pressNext, [&](ModalDialog& page) {
        fake.cancelQuestion();
        pressFinish(page);
        click(page, "cancelButton");
    });
    click(start, "designButton");
    ASSERT_EQ(fake.questions().size(), 4u);
    EXPECT_TRUE(fake.questions()[3].text.contains(text(vfs)));
    EXPECT_EQ(readFile(vfs), theirs);
}

// The mount point editor's Save writes the file; a Cancel afterwards leaves
// the design holding what was saved, which Finish then writes unasked.
TEST(WholeRun, WhatTheEditorSavedBeforeACancelIsWhatFinishWrites) {
    ScriptedUi fake;
    TempDir dir;
    TempDir root;
    CurrentDirGuard inDir{dir.path()};
    std::filesystem::create_directory(root.file("pub"));
    writeFile(dir.file("site.user"), kAlice + "\r\n");
    writeFile(dir.file("site.vfs"), root.path() + "|/|default|default|754|r\r\n");
    WizardState state;
    WelcomeDialog start(state);
    start.initDialog();
    fake.onDialog("VfsEditorDialog", [](ModalDialog& editor) { click(editor, "okButton"); });
    click(start, "editVfsButton");
    fake.onDialog("VfsEditorDialog", [&](ModalDialog& editor) {
        typeInto(find<QLineEdit>(editor, "physicalPathEdit"), text(root.file("pub")));
        typeInto(find<QLineEdit>(editor, "virtualPathEdit"), "/pub");
        click(editor, "addButton");
        chooseFromFileMenu(&editor, Qt::Key_S);
        click(editor, "cancelButton");
    });
    click(start, "editVfsButton");
    const std::string saved = readFile(dir.file("site.vfs"));
    EXPECT_NE(saved.find("|/pub|"), std::string::npos);

    queueWalk(fake, root.path(), pressNext, pressNext, [&](ModalDialog& page) {
        EXPECT_EQ(find<QLineEdit>(page, "vfsFileEdit")->text(), text(dir.file("site.vfs")));
        pressFinish(page);
    });
    click(start, "designButton");
    EXPECT_EQ(readFile(dir.file("site.vfs")), saved);
    EXPECT_TRUE(fake.questions().empty());
}

// A second design after "..." to another folder proposes that folder's names
// and takes no name, list or reading from the folder left: its files stay as
// the first design wrote them, and a relative name typed there means nothing
// in the new folder.
TEST(WholeRun, AnotherWorkingFolderTakesNothingFromTheOneLeft) {
    ScriptedUi fake;
    TempDir first;
    TempDir second;
    TempDir root;
    CurrentDirGuard inFirst{first.path()};
    writeFile(first.file("site.user"), kAlice + "\r\n");
    writeFile(first.file("site.allow"), "alice@10.0.0.\r\n");
    const std::string theirs = "/other|/|u|g|700|r\r\n";
    writeFile(second.file("site.vfs"), theirs);
    WizardState state;
    WelcomeDialog start(state);
    start.initDialog();
    start.show();

    // The dialogs run in this order: the manager from the users page.
    fake.onDialog("BasicOptionsPage", [&](ModalDialog& page) {
        typeInto(find<QLineEdit>(page, "rootDirectoryEdit"), text(root.path()));
        pressNext(page);
    });
    fake.onDialog("MoreOptionsPage", pressNext);
    fake.onDialog("UsersIntroPage", [](ModalDialog& page) {
        click(page, "setupButton");
        pressNext(page);
    });
    fake.onDialog("UserManagerDialog", [](ModalDialog& manager) { click(manager, "okButton"); });
    fake.onDialog("VfsIntroPage", pressNext);
    fake.onDialog("FinishPage", [](ModalDialog& page) {
        typeInto(find<QLineEdit>(page, "vfsFileEdit"), "site.vfs");
        pressFinish(page);
    });
    click(start, "designButton");
    std::vector<std::pair<std::string, std::string>> firstFiles;
    for (const auto& entry : std::filesystem::directory_iterator(first.path()))
        firstFiles.emplace_back(entry.path().string(), readFile(entry.path().string()));
    EXPECT_EQ(firstFiles.size(), 5u) << "ftpd, vfs, user, allow and startup list";

    fake.answerFolder(text(second.path()));
    click(start, "folderButton");
    fake.cancelFile(); // the second folder holds no user file
    fake.onDialog("BasicOptionsPage", [](ModalDialog& page) {
        typeInto(find<QLineEdit>(page, "serverNameEdit"), "Second");
        pressNext(page);
    });
    for (const char* page : {"MoreOptionsPage", "UsersIntroPage", "VfsIntroPage"})
        fake.onDialog(page, pressNext);
    fake.onDialog("FinishPage", pressFinish);
    click(start, "designButton");

    for (const auto& [path, bytes] : firstFiles)
        EXPECT_EQ(readFile(path), bytes) << path;
    EXPECT_EQ(readFile(second.file("site.vfs")), theirs);
    const std::string config = readFile(second.file("Second.ftpd"));
    EXPECT_NE(config.find("\r\nVFSFILE=" + second.file("Second.vfs") + "\r\n"), std::string::npos);
    EXPECT_NE(config.find("\r\nIPFILE=" + second.file("default.allow") + "\r\n"),
              std::string::npos);
    EXPECT_FALSE(exists(second.file("default.allow")));
    EXPECT_EQ(readFile(second.file("ftpmarlin.startup")), "ftpdstart Second.ftpd\r\n");
    EXPECT_TRUE(fake.questions().empty());
}
