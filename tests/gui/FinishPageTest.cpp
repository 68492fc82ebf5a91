#include "gui/wizard/FinishPage.h"
#include "texts/Strings.h"

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

QLineEdit* box(const ModalDialog& page, const char* name) {
    return find<QLineEdit>(page, name);
}
std::string shown(const ModalDialog& page, const char* name) {
    return box(page, name)->text().toStdString();
}
void click(const ModalDialog& page, const char* name) {
    find<QAbstractButton>(page, name)->click();
}

class FinishPageTest : public ::testing::Test {
protected:
    // Opens the page on its own, as Next on the virtual file system page would.
    void run(ScriptedUi::Script script) {
        fake.onDialog(QStringLiteral("FinishPage"), std::move(script));
        FinishPage page(state);
        ui().runModal(page);
    }
    // The texts of the messages shown since the last call.
    std::vector<QString> messages() {
        std::vector<QString> texts;
        for (const RecordedMessage& message : fake.messages())
            texts.push_back(message.caption + ": " + message.text);
        fake.clearMessages();
        return texts;
    }
    static QString error(Str text) { return "ERROR: " + loadString(text); }
    static QString notice(Str text) { return ": " + loadString(text); }
    std::size_t filesIn(const std::string& folder) const {
        const std::filesystem::directory_iterator all(folder);
        return static_cast<std::size_t>(std::distance(begin(all), end(all)));
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

} // namespace

// Empty names get defaults from the server name and the folder, stored at
// once; "..." fills only its box, adding the box's extension.
TEST_F(FinishPageTest, ProposesNamesAndTheFileDialogsOnlyFillTheBoxes) {
    state.users.open(dir.file("default.user"));
    run([&](ModalDialog& page) {
        EXPECT_TRUE(find<QCheckBox>(page, "startAtLaunchCheck")->isChecked());
        EXPECT_EQ(shown(page, "configFileEdit"), dir.file("VantorFTPD32.ftpd"));
        EXPECT_EQ(shown(page, "vfsFileEdit"), dir.file("VantorFTPD32.vfs"));
        EXPECT_EQ(shown(page, "userFileEdit"), dir.file("default.user"));
        EXPECT_EQ(shown(page, "allowFileEdit"), dir.file("VantorFTPD32.allow"));
        fake.answerFile(dir.file("mine"));
        fake.cancelFile();
        click(page, "configFileButton");
        click(page, "vfsFileButton");
        EXPECT_EQ(shown(page, "configFileEdit"), dir.file("mine.ftpd"));
        EXPECT_EQ(shown(page, "vfsFileEdit"), dir.file("VantorFTPD32.vfs"));
        click(page, "cancelButton");
    });
    const FileRequest& request = fake.fileRequests().at(1);
    EXPECT_EQ(request.filter, loadString(Str::VfsFileFilter));
    EXPECT_EQ(request.defaultExtension, "*.vfs");
    EXPECT_EQ(state.configuration.path(), dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(filesIn(dir.path()), 0u);
    EXPECT_TRUE(messages().empty());
}

// Escape is Back; both store the names, made absolute, and the flag, and the
// next visit shows them rather than defaults.
TEST_F(FinishPageTest, BackStoresTheNamesAndTheNextVisitShowsThem) {
    const auto closeVfsPage = [](ModalDialog& vfs) { vfs.done(QDialog::Rejected); };
    run([&](ModalDialog& page) {
        box(page, "configFileEdit")->setText("relative.ftpd");
        box(page, "userFileEdit")->clear();
        find<QCheckBox>(page, "startAtLaunchCheck")->setChecked(false);
        fake.onDialog("VfsIntroPage", closeVfsPage);
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    EXPECT_EQ(state.configuration.path(), dir.file("relative.ftpd"));
    EXPECT_FALSE(state.design.startAtLaunch);
    run([&](ModalDialog& page) {
        EXPECT_EQ(shown(page, "configFileEdit"), dir.file("relative.ftpd"));
        EXPECT_EQ(shown(page, "userFileEdit"), dir.file("VantorFTPD32.user"));
        EXPECT_FALSE(find<QCheckBox>(page, "startAtLaunchCheck")->isChecked());
        fake.onDialog("VfsIntroPage", closeVfsPage);
        click(page, "backButton");
    });
}

// Enter is Finish. A second Finish adds no second startup line and does not
// replace the startup list.
TEST_F(FinishPageTest, FinishWritesEveryFileAndTheStartupLineOnce) {
    state.mountPoints.setLines(lineList({"/srv|/|default|default|754|r"}));
    state.users.setLines(lineList({"root:anna:pw"}));
    state.addresses.setLines(lineList({"10.0.0."}));
    const auto finish = [](ModalDialog& page) {
        QTest::keyClick(box(page, "vfsFileEdit"), Qt::Key_Return);
        EXPECT_FALSE(page.isVisible());
    };
    run(finish);
    const std::string startup = dir.file("ftpmarlin.startup");
    struct stat first {};
    ::stat(startup.c_str(), &first);
    run(finish);
    struct stat second {};
    ::stat(startup.c_str(), &second);
    EXPECT_EQ(first.st_ino, second.st_ino) << "the startup list was replaced";
    EXPECT_TRUE(messages().empty());
    const std::string config = readFile(dir.file("VantorFTPD32.ftpd"));
    EXPECT_EQ(config.rfind("[FTPD]\r\nSERVER_NAME=VantorFTPD32\r\n", 0), 0u);
    EXPECT_NE(config.find("\r\nIPFILE=" + dir.file("VantorFTPD32.allow") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.vfs")), "/srv|/|default|default|754|r\r\n");
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.user")), "root:anna:pw\r\n");
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.allow")), "10.0.0.\r\n");
    EXPECT_EQ(readFile(startup), "ftpdstart VantorFTPD32.ftpd\r\n");
}

// Empty lists are noted, not saved; with the box clear the startup list is not
// even read (a folder in its place would fail any read).
TEST_F(FinishPageTest, EmptyListsAreNotedAndAClearBoxLeavesTheStartupListAlone) {
    state.users.open(dir.file("kept.user"));
    writeFile(state.users.path(), "old:line\r\n");
    std::filesystem::create_directory(dir.file("ftpmarlin.startup"));
    run([&](ModalDialog& page) {
        find<QCheckBox>(page, "startAtLaunchCheck")->setChecked(false);
        box(page, "allowFileEdit")->clear();
        click(page, "finishButton");
    });
    EXPECT_EQ(messages(), (std::vector{notice(Str::UserFileEmpty), notice(Str::AllowFileEmpty)}));
    EXPECT_EQ(readFile(dir.file("kept.user")), "old:line\r\n");
    EXPECT_EQ(readFile(dir.file("VantorFTPD32.vfs")), "");
    EXPECT_EQ(filesIn(dir.path()), 4u); // *.ftpd, *.vfs, the old *.user, the folder
}

// A file that cannot be written, the configuration file too, is reported and
// stops Finish with no file written (they are written together or not at
// all) and the page open.
TEST_F(FinishPageTest, AFileThatCannotBeWrittenStopsFinishWithNothingWritten) {
    state.users.setLines(lineList({"root:anna:pw"}));
    const QString missing = QString::fromStdString(dir.file("missing/x"));
    run([&](ModalDialog& page) {
        box(page, "vfsFileEdit")->setText(missing + ".vfs");
        click(page, "finishButton");
        EXPECT_TRUE(messages().at(0).contains(missing + ".vfs"));
        EXPECT_EQ(filesIn(dir.path()), 0u);
        EXPECT_EQ(state.mountPoints.path(), (missing + ".vfs").toStdString());
        box(page, "configFileEdit")->setText(missing + ".ftpd");
        click(page, "finishButton");
        EXPECT_TRUE(messages().at(0).contains(missing + ".ftpd"));
        EXPECT_TRUE(page.isVisible());
        click(page, "cancelButton");
    });
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

// Names the record cannot hold, and empty names of files that would be
// written, are refused before anything is stored or written.
TEST_F(FinishPageTest, UnusableNamesAreRefusedWithNothingWritten) {
    state.addresses.setLines(lineList({"10.0.0."}));
    run([&](ModalDialog& page) {
        const std::pair<const char*, QString> refused[] = {
            {"configFileEdit", QString(256, 'a')},
            {"vfsFileEdit", QString()},
            {"allowFileEdit", QString()},
            {"userFileEdit", QStringLiteral("a\nb.user")}};
        for (const auto& [name, text] : refused) {
            const QString kept = box(page, name)->text();
            box(page, name)->setText(text);
            click(page, "finishButton");
            EXPECT_TRUE(messages().at(0).startsWith("ERROR: ")) << name;
            EXPECT_EQ(page.focusWidget(), box(page, name));
            box(page, name)->setText(kept);
        }
        EXPECT_EQ(filesIn(dir.path()), 0u);
        // No user lines, no user file: its name may be empty.
        box(page, "userFileEdit")->clear();
        click(page, "finishButton");
    });
    EXPECT_EQ(messages(), std::vector{notice(Str::UserFileEmpty)});
}

// A folder whose name holds a line feed gives no default names, and the empty
// names then keep Finish from writing.
TEST_F(FinishPageTest, AWorkingDirectoryWithALineFeedGivesTheErrorAndWritesNothing) {
    const std::string odd = dir.file("a\nb");
    std::filesystem::create_directory(odd);
    CurrentDirGuard inOdd{odd};
    run([&](ModalDialog& page) {
        click(page, "finishButton");
        EXPECT_TRUE(page.isVisible());
        click(page, "cancelButton");
    });
    EXPECT_EQ(messages(), (std::vector{error(Str::PathLineBreak), error(Str::FileNameEmpty)}));
    EXPECT_EQ(filesIn(odd), 0u);
}

// A default name too long for its field is refused, never cut; the names share
// the folder, so one ERROR says it for all.
TEST_F(FinishPageTest, ADefaultNameTooLongIsRefusedNotCut) {
    state.design.serverName = std::string(250, 'n');
    run([&](ModalDialog& page) {
        EXPECT_EQ(shown(page, "configFileEdit"), "");
        click(page, "cancelButton");
    });
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(state.configuration.path().empty() && state.addresses.path().empty());
}

// A file is replaced unasked only by the list read from it: No keeps the page
// open with nothing written, also when an earlier file was agreed to.
TEST_F(FinishPageTest, AFileThisRunDidNotReadIsReplacedOnlyWhenTheUserAgrees) {
    const std::string vfs = dir.file("VantorFTPD32.vfs");
    const std::string users = dir.file("VantorFTPD32.user");
    writeFile(vfs, "/old|/|u|g|754|r\r\n");
    writeFile(users, "old:line\r\n");
    state.mountPoints.setLines(lineList({"/srv|/|default|default|754|r"}));
    state.users.setLines(lineList({"root:anna:pw"}));
    run([&](ModalDialog& page) {
        fake.answerYesNo(false);
        click(page, "finishButton");
        fake.answerYesNo(true);
        fake.answerYesNo(false);
        click(page, "finishButton");
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(filesIn(dir.path()), 2u);
        fake.answerYesNo(true);
        fake.answerYesNo(true);
        click(page, "finishButton");
    });
    ASSERT_EQ(fake.questions().size(), 5u);
    EXPECT_TRUE(fake.questions()[0].text.contains(QString::fromStdString(vfs)));
    EXPECT_TRUE(fake.questions()[2].text.contains(QString::fromStdString(users)));
    EXPECT_EQ(readFile(vfs), "/srv|/|default|default|754|r\r\n");
    EXPECT_EQ(readFile(users), "root:anna:pw\r\n");
    // Written by this run, the files are replaced unasked the next time.
    run([&](ModalDialog& page) { click(page, "finishButton"); });
    EXPECT_EQ(fake.questions().size(), 5u);
}

// Two names of one file, here through "..", are refused before anything is
// written.
TEST_F(FinishPageTest, TwoNamesOfOneFileAreRefused) {
    std::filesystem::create_directory(dir.file("sub"));
    const QString config = QString::fromStdString(dir.file("VantorFTPD32.ftpd"));
    const QString sameConfig = QString::fromStdString(dir.file("sub/../VantorFTPD32.ftpd"));
    run([&](ModalDialog& page) {
        box(page, "allowFileEdit")->setText(sameConfig);
        click(page, "finishButton");
        EXPECT_EQ(page.focusWidget(), box(page, "allowFileEdit"));
        click(page, "cancelButton");
    });
    EXPECT_EQ(messages(), std::vector<QString>{error(Str::NamesSameFile).arg(config, sameConfig)});
    EXPECT_EQ(filesIn(dir.path()), 1u);
}
