#include "gui/wizard/ServerDesignWizard.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

// The whole wizard from the keyboard: Enter is Next in a text field and
// presses a push button that has the focus, Escape and the close box are Back
// on the second page, Escape is Cancel on the first. Every step creates a new
// page.
TEST(PageChain, KeyboardWalk) {
    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
    state.design.rootDirectory = dir.path();

    fake.onDialog("BasicOptionsPage", [](ModalDialog& page) {
        QLineEdit* name = find<QLineEdit>(page, "serverNameEdit");
        name->setText("Keyed");
        QTest::keyClick(name, Qt::Key_Return);
    });
    fake.onDialog("MoreOptionsPage", [](ModalDialog& page) {
        find<QLineEdit>(page, "dataPortFromEdit")->setText("not a port");
        QTest::keyClick(&page, Qt::Key_Escape);
        EXPECT_TRUE(page.isVisible()) << "Back validates like Next";
        find<QLineEdit>(page, "dataPortFromEdit")->setText("201");
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    fake.onDialog("BasicOptionsPage", [](ModalDialog& page) {
        EXPECT_EQ(find<QLineEdit>(page, "serverNameEdit")->text(), "Keyed");
        pressEnterOn(find<QPushButton>(page, "checkPortButton"));
        EXPECT_FALSE(find<QLineEdit>(page, "portResultEdit")->text().isEmpty());
        pressEnterOn(find<QLineEdit>(page, "listenPortEdit"));
    });
    fake.onDialog("MoreOptionsPage", [](ModalDialog& page) { page.close(); });
    fake.onDialog("BasicOptionsPage", [](ModalDialog& page) {
        find<QLineEdit>(page, "serverNameEdit")->setText("Dropped");
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    runServerDesignWizard(state);

    const std::vector<QString> pages{"BasicOptionsPage", "MoreOptionsPage", "BasicOptionsPage",
                                     "MoreOptionsPage", "BasicOptionsPage"};
    EXPECT_EQ(fake.dialogsRun(), pages);
    EXPECT_EQ(fake.messages().size(), 1u);
    EXPECT_EQ(state.design.serverName, "Keyed");
    EXPECT_FALSE(fake.exitCode().has_value());
}
