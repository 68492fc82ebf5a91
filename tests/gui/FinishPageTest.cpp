#include "wizard/FinishPage.h"
#include "platform/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace vantor;
using namespace vantor::test;

namespace {

QLineEdit* edit(const ModalDialog& page, const char* name) {
    return find<QLineEdit>(page, name);
}

void click(const ModalDialog& page, const char* name) {
    find<QPushButton>(page, name)->click();
}

ino_t inode(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

class FinishPageTest : public ::testing::Test {
protected:
    // Opens the page on its own, as Next on the virtual file system page would.
    void run(ScriptedUi::Script script) {
        fake.onDialog(QStringLiteral("FinishPage"), std::move(script));
        FinishPage page(state);
        ui().runModal(page);
    }
    void expectMessage(const QString& caption, Str text) {
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_EQ(fake.messages()[0].caption, caption);
        EXPECT_EQ(fake.messages()[0].text, loadString(text));
        fake.clearMessages();
    }
    // Every file name in the folder but the startup list's.
    std::size_t filesWritten() const {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            count += entry.path().filename() != "ftpmarlin.startup";
        return count;
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

} // namespace

// The proposed names come from the server name and the folder, are stored on
// opening and stay when the server name changes; "..." only fills its box.
TEST_F(FinishPageTest, ProposesNamesOnceAndTheFileDialogsOnlyFillTheBoxes) {
    state.design.userFile = dir.file("default.user");
    run([&](ModalDialog& page) {
        EXPECT_EQ(page.windowTitle(), "server configuration wizard - finishing the setup");
        EXPECT_TRUE(find<QCheckBox>(page, "startAtLaunchCheck")->isChecked());
        EXPECT_EQ(edit(page, "configFileEdit")->text().toStdString(),
                  dir.file("VantorFTPD32.ftpd"));
        EXPECT_EQ(edit(page, "vfsFileEdit")->text().toStdString(), dir.file("VantorFTPD32.vfs"));
        EXPECT_EQ(edit(page, "userFileEdit")->text().toStdString(), dir.file("default.user"));
        EXPECT_EQ(edit(page, "allowFileEdit")->text().toStdString(),
                  dir.file("VantorFTPD32.allow"));
        EXPECT_TRUE(find<QPushButton>(page, "finishButton")->isDefault());

        fake.answerFile(dir.file("mine"));
        click(page, "configFileButton");
        EXPECT_EQ(edit(page, "configFileEdit")->text().toStdString(), dir.file("mine.ftpd"));
        fake.answerFile(dir.file("other.txt"));
        click(page, "allowFileButton");
        EXPECT_EQ(edit(page, "allowFileEdit")->text().toStdString(), dir.file("other.txt"));
        fake.cancelFile();
        click(page, "vfsFileButton");
        EXPECT_EQ(edit(page, "vfsFileEdit")->text().toStdString(), dir.file("VantorFTPD32.vfs"));
        click(page, "cancelButton");
    });
    ASSERT_EQ(fake.fileRequests().size(), 3u);
    const FileRequest& vfsRequest = fake.fileRequests()[2];
    EXPECT_EQ(vfsRequest.kind, FileRequest::Kind::Save);
    EXPECT_EQ(vfsRequest.filter, loadString(Str::VfsFileFilter));
    EXPECT_EQ(vfsRequest.defaultExtension, "*.vfs");
    EXPECT_EQ(state.design.configFile, dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(state.design.allowFile, dir.file("VantorFTPD32.allow"));
    EXPECT_EQ(filesWritten(), 0u);
    EXPECT_TRUE(fake.messages().empty());

    state.design.serverName = "Renamed";
    run([&](ModalDialog& page) {
        EXPECT_EQ(edit(page, "configFileEdit")->text().toStdString(),
                  dir.file("VantorFTPD32.ftpd"));
        click(page, "cancelButton");
    });
}

// Back, Escape and the close box store the names and the flag as typed; the
// next visit shows them, not new defaults.
TEST_F(FinishPageTest, BackStoresTheNamesAndTheNextVisitShowsThem) {
    const auto backToVfsPage = [&] {
        fake.onDialog("VfsIntroPage", [](ModalDialog& page) { page.done(QDialog::Rejected); });
    };
    run([&](ModalDialog& page) {
        edit(page, "configFileEdit")->setText("relative.ftpd");
        edit(page, "userFileEdit")->clear();
        find<QCheckBox>(page, "startAtLaunchCheck")->setChecked(false);
        backToVfsPage();
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    EXPECT_EQ(state.design.configFile, "relative.ftpd");
    EXPECT_EQ(state.design.vfsFile, dir.file("VantorFTPD32.vfs"));
    EXPECT_FALSE(state.design.startAtLaunch);
    run([&](ModalDialog& page) {
        EXPECT_EQ(edit(page, "configFileEdit")->text(), "relative.ftpd");
        EXPECT_EQ(edit(page, "userFileEdit")->text().toStdString(), dir.file("VantorFTPD32.user"));
        EXPECT_FALSE(find<QCheckBox>(page, "startAtLaunchCheck")->isChecked());
        backToVfsPage();
        click(page, "backButton");
    });
    const std::vector<QString> pages{"FinishPage", "VfsIntroPage", "FinishPage", "VfsIntroPage"};
    EXPECT_EQ(fake.dialogsRun(), pages);
    EXPECT_EQ(filesWritten(), 0u);
}

// Enter is Finish. Every file is written whole; a second Finish adds no second
// startup line and leaves the startup list as it was.
TEST_F(FinishPageTest, FinishWritesEveryFileAndTheStartupLineOnce) {
    state.design.rootDirectory = "/srv";
    state.mountPoints.append("/srv|/|default|default|754|r");
    state.userLines.append("root:anna:pw");
    state.allowed.append("10.0.0.");
    state.design.userFile = dir.file("default.user");
    state.design.allowFile = dir.file("default.allow");
    for (int visit = 0; visit < 2; ++visit) {
        run([&](ModalDialog& page) {
            QTest::keyClick(edit(page, "vfsFileEdit"), Qt::Key_Return);
            EXPECT_FALSE(page.isVisible());
        });
    }
    EXPECT_TRUE(fake.messages().empty());
    const std::string config = readFile(dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(config.rfind("[FTPD]\r\nSERVER_NAME=VantorFTPD32\r\nSERVER_IP=\r\n", 0), 0u);
    EXPECT_NE(config.find("\r\nVFSFILE=" + dir.file("VantorFTPD32.vfs") +
                          "\r\nUSRFILE=" + dir.file("default.user") +
                          "\r\nIPFILE=" + dir.file("default.allow") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.vfs")), "/srv|/|default|default|754|r\r\n");
    EXPECT_EQ(readFile(dir.file("default.user")), "root:anna:pw\r\n");
    EXPECT_EQ(readFile(dir.file("default.allow")), "10.0.0.\r\n");
    const std::string startup = dir.file("ftpmarlin.startup");
    EXPECT_EQ(readFile(startup), "ftpdstart VantorFTPD32.ftpd\r\n");

    const ino_t before = inode(startup);
    run([&](ModalDialog& page) { click(page, "finishButton"); });
    EXPECT_EQ(inode(startup), before) << "the startup list was rewritten";
}

// Empty lists are noted, not saved; with the box clear the startup list is not
// even read (a folder in its place would fail any read).
TEST_F(FinishPageTest, EmptyListsAreNotedAndAClearBoxLeavesTheStartupListAlone) {
    state.design.userFile = dir.file("kept.user");
    writeFile(state.design.userFile, "old:line\r\n");
    std::filesystem::create_directory(dir.file("ftpmarlin.startup"));
    run([&](ModalDialog& page) {
        find<QCheckBox>(page, "startAtLaunchCheck")->setChecked(false);
        edit(page, "allowFileEdit")->clear();
        click(page, "finishButton");
        EXPECT_FALSE(page.isVisible());
    });
    ASSERT_EQ(fake.messages().size(), 2u);
    EXPECT_EQ(fake.messages()[0].caption, "");
    EXPECT_EQ(fake.messages()[0].text, loadString(Str::UserFileEmpty));
    EXPECT_EQ(fake.messages()[1].text, loadString(Str::AllowFileEmpty));
    EXPECT_EQ(readFile(dir.file("kept.user")), "old:line\r\n");
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.vfs")), "");
    EXPECT_EQ(filesWritten(), 3u); // the *.ftpd, the *.vfs and the old *.user file
}

// A file that cannot be written is reported, the configuration file included;
// Finish stops there with the earlier files written and the page open.
TEST_F(FinishPageTest, AFileThatCannotBeWrittenStopsFinishThere) {
    state.userLines.append("root:anna:pw");
    const std::string missing = dir.file("missing/x");
    run([&](ModalDialog& page) {
        edit(page, "vfsFileEdit")->setText(QString::fromStdString(missing + ".vfs"));
        click(page, "finishButton");
        EXPECT_TRUE(page.isVisible());
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_TRUE(fake.messages()[0].text.contains(QString::fromStdString(missing + ".vfs")));
        fake.clearMessages();
        EXPECT_EQ(filesWritten(), 1u);
        EXPECT_TRUE(exists(dir.file("VantorFTPD32.ftpd")));
        EXPECT_EQ(state.design.vfsFile, missing + ".vfs");

        std::filesystem::remove(dir.file("VantorFTPD32.ftpd"));
        edit(page, "configFileEdit")->setText(QString::fromStdString(missing + ".ftpd"));
        click(page, "finishButton");
        EXPECT_TRUE(page.isVisible());
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_TRUE(fake.messages()[0].text.contains(QString::fromStdString(missing + ".ftpd")));
        fake.clearMessages();
        click(page, "cancelButton");
    });
    EXPECT_EQ(filesWritten(), 0u);
    EXPECT_FALSE(exists(dir.file("ftpmarlin.startup")));
}

// Names the record cannot hold, and names that leave a file to be written
// without one, are refused before anything is stored or written.
TEST_F(FinishPageTest, UnusableNamesAreRefusedWithNothingWritten) {
    state.allowed.append("10.0.0.");
    run([&](ModalDialog& page) {
        const std::string original = state.design.configFile;
        const std::pair<const char*, QString> refused[] = {
            {"configFileEdit", QString(256, QLatin1Char('a'))},
            {"vfsFileEdit", QString()},
            {"allowFileEdit", QString()},
            {"userFileEdit", QStringLiteral("a\nb.user")},
        };
        for (const auto& [box, name] : refused) {
            const QString kept = edit(page, box)->text();
            edit(page, box)->setText(name);
            click(page, "finishButton");
            ASSERT_EQ(fake.messages().size(), 1u) << box;
            EXPECT_EQ(fake.messages()[0].caption, "ERROR");
            fake.clearMessages();
            EXPECT_EQ(page.focusWidget(), edit(page, box));
            edit(page, box)->setText(kept);
        }
        EXPECT_EQ(state.design.configFile, original);
        EXPECT_EQ(filesWritten(), 0u);

        // An empty user list writes no user file, so its name may stay empty.
        edit(page, "userFileEdit")->clear();
        click(page, "finishButton");
        expectMessage("", Str::UserFileEmpty);
    });
    EXPECT_TRUE(exists(dir.file("VantorFTPD32.allow")));
}

// A folder whose name holds a line feed cannot give default names: the ERROR,
// then Finish refuses the empty names and nothing is written.
TEST_F(FinishPageTest, AWorkingDirectoryWithALineFeedGivesTheErrorAndWritesNothing) {
    const std::string odd = dir.file("a\nb");
    std::filesystem::create_directory(odd);
    CurrentDirGuard inOdd{odd};
    run([&](ModalDialog& page) {
        expectMessage("ERROR", Str::PathLineBreak);
        EXPECT_TRUE(edit(page, "configFileEdit")->text().isEmpty());
        click(page, "finishButton");
        expectMessage("ERROR", Str::FileNameEmpty);
        EXPECT_TRUE(page.isVisible());
        click(page, "cancelButton");
    });
    EXPECT_TRUE(std::filesystem::is_empty(odd));
}
