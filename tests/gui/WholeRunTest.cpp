#include "gui/app/WelcomeDialog.h"
#include "texts/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

void click(ModalDialog& page, const char* name) {
    QTest::mouseClick(find<QPushButton>(page, name), Qt::LeftButton);
}

// One walk through the five pages by Next, as an administrator designs a
// server in a fresh folder; the root directory is typed on the first visit
// only, since the record keeps it.
void queueWalk(ScriptedUi& fake, const std::string& root) {
    fake.onDialog("BasicOptionsPage", [root](ModalDialog& page) {
        auto* rootEdit = find<QLineEdit>(page, "rootDirectoryEdit");
        if (rootEdit->text().isEmpty())
            rootEdit->setText(QString::fromStdString(root));
        click(page, "nextButton");
    });
    fake.onDialog("MoreOptionsPage", [](ModalDialog& page) { click(page, "nextButton"); });
    fake.onDialog("UsersIntroPage", [](ModalDialog& page) { click(page, "nextButton"); });
    fake.onDialog("VfsIntroPage", [](ModalDialog& page) { click(page, "nextButton"); });
    fake.onDialog("FinishPage", [](ModalDialog& page) { click(page, "finishButton"); });
}

} // namespace

// The program's main job from the start dialog to the files on disk, twice in
// one process: the second design starts from what the first one stored and
// must leave every file as the first one wrote it.
TEST(WholeRun, DesignsAServerAndASecondRunKeepsEveryFile) {
    ScriptedUi fake;
    TempDir dir;
    TempDir root;
    CurrentDirGuard inDir{dir.path()};
    const std::string accounts = "alice:1:secret:staff:1:0:0:0:0:0:0:0::eng\r\n";
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
