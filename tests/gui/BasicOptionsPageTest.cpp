#include "gui/wizard/BasicOptionsPage.h"
#include "core/server/NetworkProbes.h"
#include "gui/wizard/ServerDesignWizard.h"
#include "texts/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <filesystem>
#include <sys/socket.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

namespace {

QLineEdit* edit(const ModalDialog& page, const char* name) {
    return find<QLineEdit>(page, name);
}

void click(const ModalDialog& page, const char* name) {
    find<QPushButton>(page, name)->click();
}

std::string inCurrentDir(const char* name) {
    return (std::filesystem::current_path() / name).string();
}

// A TCP listener on the loopback address, on a port the system picks.
struct LoopbackListener {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};

    LoopbackListener() {
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        auto* raw = reinterpret_cast<sockaddr*>(&address);
        EXPECT_TRUE(::bind(fd, raw, size) == 0 && ::listen(fd, 1) == 0 &&
                    ::getsockname(fd, raw, &size) == 0);
    }
    ~LoopbackListener() { ::close(fd); }
    unsigned port() const { return ntohs(address.sin_port); }
};

class BasicOptionsPageTest : public ::testing::Test {
protected:
    // Starts the wizard with the script playing the first page.
    void run(ScriptedUi::Script script) {
        fake.onDialog(QStringLiteral("BasicOptionsPage"), std::move(script));
        runServerDesignWizard(state);
    }
    void expectError(const QString& text) {
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_EQ(fake.messages()[0].caption, "ERROR");
        EXPECT_EQ(fake.messages()[0].text, text);
        fake.clearMessages();
    }
    QString dirText() const { return QString::fromStdString(dir.path()); }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

} // namespace

TEST_F(BasicOptionsPageTest, OpensOnAFreshStartWithTheRecordValues) {
    state.users.open("old.user");
    state.addresses.open("old.allow");
    run([&](ModalDialog& page) {
        EXPECT_EQ(page.windowTitle(), "server configuration wizard - basic options");
        EXPECT_FALSE(page.windowIcon().isNull());
        EXPECT_FALSE(find<QLabel>(page, "pictureLabel")->pixmap().isNull());
        EXPECT_EQ(edit(page, "serverNameEdit")->text(), "VantorFTPD32");
        EXPECT_EQ(edit(page, "listenPortEdit")->text(), "21");
        EXPECT_EQ(edit(page, "portResultEdit")->text(), "");
        EXPECT_EQ(edit(page, "rootDirectoryEdit")->text(), "");
        for (const char* box : {"autoChooseCheck", "allowAnonymousCheck", "anonymousMaxCheck",
                                "userMaxCheck", "maxPerIpCheck"})
            EXPECT_TRUE(find<QCheckBox>(page, box)->isChecked()) << box;
        EXPECT_EQ(edit(page, "anonymousMaxEdit")->text(), "16");
        EXPECT_EQ(edit(page, "userMaxEdit")->text(), "32");
        EXPECT_EQ(edit(page, "maxPerIpEdit")->text(), "2");
        EXPECT_TRUE(find<QPushButton>(page, "nextButton")->isDefault());

        // The machine's own addresses: the last in text order is selected.
        const auto* ipBox = find<QComboBox>(page, "serverIpCombo");
        EXPECT_EQ(ipBox->currentIndex(), ipBox->count() - 1);

        const std::pair<const char*, Str> tips[] = {{"serverNameLabel", Str::TipServerName},
                                                    {"serverPortLabel", Str::TipServerPort},
                                                    {"rootDirectoryLabel", Str::TipRootDirectory},
                                                    {"serverIpLabel", Str::TipServerIp}};
        for (const auto& [label, text] : tips)
            EXPECT_EQ(find<QLabel>(page, label)->toolTip(), loadString(text)) << label;
        click(page, "cancelButton");
    });
    EXPECT_EQ(state.users.path(), inCurrentDir("default.user"));
    EXPECT_EQ(state.addresses.path(), inCurrentDir("default.allow"));
    EXPECT_EQ(fake.dialogsRun(), std::vector<QString>{"BasicOptionsPage"});
}

TEST_F(BasicOptionsPageTest, AFieldThatFailsValidationKeepsThePageOpenAndStoresNothing) {
    run([&](ModalDialog& page) {
        QLineEdit* name = edit(page, "serverNameEdit");
        name->clear();
        QTest::keyClicks(name, QString(33, QLatin1Char('n')));
        EXPECT_EQ(name->text(), QString(32, QLatin1Char('n')));

        edit(page, "rootDirectoryEdit")->setText(dirText());
        for (const char* count : {"anonymousMaxEdit", "userMaxEdit", "maxPerIpEdit"}) {
            for (const char* value : {"0", "65536"}) {
                edit(page, count)->setText(value);
                click(page, "nextButton");
                EXPECT_TRUE(page.isVisible());
                expectError("Please enter a whole number from 1 to 65535.");
                EXPECT_EQ(page.focusWidget(), edit(page, count)) << count;
            }
            edit(page, count)->setText("5");
        }

        // Control order: the port is taken before the counts.
        edit(page, "listenPortEdit")->setText("twenty-one");
        edit(page, "maxPerIpEdit")->setText("0");
        click(page, "nextButton");
        expectError("Please enter a positive whole number.");
        EXPECT_EQ(page.focusWidget(), edit(page, "listenPortEdit"));

        // Short enough in characters, too long in bytes.
        edit(page, "listenPortEdit")->setText("21");
        edit(page, "maxPerIpEdit")->setText("5");
        edit(page, "rootDirectoryEdit")->setText(dirText() + "/" + QString(200, QChar(0xE9)));
        click(page, "nextButton");
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_TRUE(fake.messages()[0].text.contains("255"));
        fake.clearMessages();
        click(page, "cancelButton");
    });
    const ServerDesign& record = state.design;
    EXPECT_EQ(record.serverName, "VantorFTPD32");
    EXPECT_EQ(record.rootDirectory, "");
    EXPECT_EQ(record.anonymousMax, 16u);
    EXPECT_EQ(record.userMax, 32u);
    EXPECT_EQ(record.maxPerIp, 2u);
    EXPECT_EQ(fake.dialogsRun().size(), 1u);
}

TEST_F(BasicOptionsPageTest, RootDirectoryMustNameAnExistingDirectory) {
    writeFile(dir.file("plain.txt"), "x");
    run([&](ModalDialog& page) {
        const std::pair<std::string, const char*> cases[] = {
            {"", "the server root directory can not be empty"},
            {dir.file("plain.txt"), "the server root directory does not exist"},
            {"   ", "the server root directory does not exist"},
            {dir.file("missing"), "the server root directory does not exist"},
        };
        for (const auto& [root, message] : cases) {
            edit(page, "rootDirectoryEdit")->setText(QString::fromStdString(root));
            click(page, "nextButton");
            EXPECT_TRUE(page.isVisible()) << root;
            expectError(message);
        }
        click(page, "cancelButton");
    });
    EXPECT_EQ(fake.dialogsRun(), std::vector<QString>{"BasicOptionsPage"});
}

// Next stores everything before it looks at the root directory, and the port
// has no range: both ports below reach the record.
TEST_F(BasicOptionsPageTest, PortsOutsideTheTcpRangeAreStoredAsTyped) {
    run([&](ModalDialog& page) {
        edit(page, "listenPortEdit")->setText("0");
        click(page, "nextButton");
        expectError("the server root directory can not be empty");
        EXPECT_EQ(state.design.listenPort, 0u);

        edit(page, "listenPortEdit")->setText("70000");
        edit(page, "rootDirectoryEdit")->setText(dirText());
        fake.onDialog("MoreOptionsPage", [](ModalDialog& more) { click(more, "cancelButton"); });
        click(page, "nextButton");
    });
    EXPECT_EQ(state.design.listenPort, 70000u);
    EXPECT_EQ(state.design.rootDirectory, dir.path());
    EXPECT_EQ(fake.exitCode(), 0);
}

TEST_F(BasicOptionsPageTest, BackShowsTheStoredValuesAndResetsTheFileNames) {
    run([&](ModalDialog& page) {
        edit(page, "serverNameEdit")->setText("Harbour");
        edit(page, "listenPortEdit")->setText("2121");
        edit(page, "rootDirectoryEdit")->setText(dirText());
        find<QCheckBox>(page, "autoChooseCheck")->setChecked(false);
        find<QCheckBox>(page, "userMaxCheck")->setChecked(false);
        edit(page, "anonymousMaxEdit")->setText("7");
        edit(page, "maxPerIpEdit")->setText("65535");
        fake.onDialog("MoreOptionsPage", [&](ModalDialog& more) {
            state.users.open("elsewhere.user");
            state.addresses.open("elsewhere.allow");
            click(more, "backButton");
        });
        fake.onDialog("BasicOptionsPage", [&](ModalDialog& again) {
            EXPECT_EQ(edit(again, "serverNameEdit")->text(), "Harbour");
            EXPECT_EQ(edit(again, "listenPortEdit")->text(), "2121");
            EXPECT_EQ(edit(again, "rootDirectoryEdit")->text(), dirText());
            EXPECT_FALSE(find<QCheckBox>(again, "autoChooseCheck")->isChecked());
            EXPECT_FALSE(find<QCheckBox>(again, "userMaxCheck")->isChecked());
            EXPECT_TRUE(find<QCheckBox>(again, "maxPerIpCheck")->isChecked());
            EXPECT_EQ(edit(again, "anonymousMaxEdit")->text(), "7");
            EXPECT_EQ(edit(again, "maxPerIpEdit")->text(), "65535");
            click(again, "cancelButton");
        });
        click(page, "nextButton");
    });
    EXPECT_EQ(state.users.path(), inCurrentDir("default.user"));
    EXPECT_EQ(state.addresses.path(), inCurrentDir("default.allow"));
    const std::vector<QString> pages{"BasicOptionsPage", "MoreOptionsPage", "BasicOptionsPage"};
    EXPECT_EQ(fake.dialogsRun(), pages);
}

TEST_F(BasicOptionsPageTest, BrowsingFillsTheRootDirectoryAndCancellingEmptiesIt) {
    run([&](ModalDialog& page) {
        QLineEdit* root = edit(page, "rootDirectoryEdit");
        fake.answerFolder(dirText());
        click(page, "browseButton");
        EXPECT_EQ(root->text(), dirText());
        fake.cancelFolder();
        click(page, "browseButton");
        EXPECT_EQ(root->text(), "");
        click(page, "cancelButton");
    });
    EXPECT_EQ(fake.folderTitles(), std::vector<QString>(2, "Browse for local dir"));
}

// An unmatched stored address gives way to the last listed one; a matched one
// is preselected on the next opening.
TEST_F(BasicOptionsPageTest, AddressesAreListedInTextOrderAndOnlyAListedOneIsStored) {
    // 10.0.0.10 sorts before 10.0.0.9 as text: the last in text order is the
    // one selected while filling, whatever order the lookup gives.
    const auto lookup = [](int index) -> std::uint32_t {
        static const std::uint32_t addresses[] = {inet_addr("10.0.0.9"), inet_addr("10.0.0.10"),
                                                  inet_addr("192.168.1.5"), 0};
        return addresses[index];
    };
    const auto runPage = [&](const std::string& stored) {
        state.design.serverIp = stored;
        state.design.rootDirectory = "";
        BasicOptionsPage page(state, nullptr, lookup);
        fake.onDialog("BasicOptionsPage", [](ModalDialog& shown) {
            auto* box = find<QComboBox>(shown, "serverIpCombo");
            EXPECT_EQ(box->count(), 3);
            EXPECT_EQ(box->itemText(0), "10.0.0.10");
            EXPECT_EQ(box->itemText(2), "192.168.1.5");
            click(shown, "nextButton"); // stores, then refuses the empty root directory
            click(shown, "cancelButton");
        });
        ui().runModal(page);
        fake.clearMessages();
        return state.design.serverIp;
    };
    EXPECT_EQ(runPage("203.0.113.77"), "192.168.1.5");
    EXPECT_EQ(runPage("10.0.0.9"), "10.0.0.9");
    EXPECT_EQ(runPage("10.0.0.1"), "192.168.1.5") << "only an exact match is preselected";
}

TEST_F(BasicOptionsPageTest, AFailedAddressLookupLeavesTheBoxEmptyAndTheAddressStored) {
    const auto failsAtTheSecond = [](int index) -> std::uint32_t {
        return index == 0 ? inet_addr("10.1.1.1") : kNoLocalAddress;
    };
    state.design.serverIp = "172.16.0.3";
    BasicOptionsPage page(state, nullptr, failsAtTheSecond);
    fake.onDialog("BasicOptionsPage", [](ModalDialog& shown) {
        EXPECT_EQ(find<QComboBox>(shown, "serverIpCombo")->count(), 0);
        click(shown, "nextButton");
        click(shown, "cancelButton");
    });
    ui().runModal(page);
    EXPECT_EQ(state.design.serverIp, "172.16.0.3");
}

TEST_F(BasicOptionsPageTest, LineBreaksAndBarsThatWouldSplitALineAreRefused) {
    state.design.rootDirectory = dir.path();
    run([&](ModalDialog& page) {
        edit(page, "serverNameEdit")->setText("a\nLISTEN_PORT=1");
        click(page, "nextButton");
        expectError("the server name can not hold a line break");
        EXPECT_EQ(page.focusWidget(), edit(page, "serverNameEdit"));
        edit(page, "serverNameEdit")->setText("plain");
        for (const char* root : {"/srv/a|b", "/srv/a\rb"}) {
            edit(page, "rootDirectoryEdit")->setText(root);
            click(page, "checkPortButton");
            expectError("the server root directory can not hold a line break or the character |");
            EXPECT_EQ(page.focusWidget(), edit(page, "rootDirectoryEdit"));
        }
        click(page, "cancelButton");
    });
    EXPECT_EQ(state.design.serverName, "VantorFTPD32");
}

TEST_F(BasicOptionsPageTest, CheckTellsWhetherThePortIsFreeAndStoresNothing) {
    LoopbackListener listener;
    run([&](ModalDialog& page) {
        QLineEdit* result = edit(page, "portResultEdit");
        edit(page, "listenPortEdit")->setText(QString::number(listener.port()));
        click(page, "checkPortButton");
        EXPECT_EQ(result->text(), "Port USED");

        edit(page, "listenPortEdit")->setText("0");
        click(page, "checkPortButton");
        EXPECT_EQ(result->text(), "Port OK");

        edit(page, "listenPortEdit")->setText("x");
        click(page, "checkPortButton");
        expectError("Please enter a positive whole number.");
        EXPECT_EQ(result->text(), "Port OK");
        click(page, "cancelButton");
    });
    EXPECT_EQ(state.design.listenPort, 21u);
}

TEST_F(BasicOptionsPageTest, ContextMenuOffersTheAboutBox) {
    run([&](ModalDialog& page) {
        auto* about = find<QAction>(page, "aboutAction");
        EXPECT_EQ(about->text(), "About VANTOR FTP SERVER wizard(&A)...");
        EXPECT_EQ(page.contextMenuPolicy(), Qt::ActionsContextMenu);
        fake.onDialog("AboutDialog", [](ModalDialog& box) { box.accept(); });
        about->trigger();
        click(page, "cancelButton");
    });
    const std::vector<QString> dialogs{"BasicOptionsPage", "AboutDialog"};
    EXPECT_EQ(fake.dialogsRun(), dialogs);
}
