#include "gui/wizard/MoreOptionsPage.h"
#include "texts/Strings.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

QLineEdit* edit(const ModalDialog& page, const char* name) {
    return find<QLineEdit>(page, name);
}

QAbstractButton* option(const ModalDialog& page, const char* name) {
    return find<QAbstractButton>(page, name);
}

void click(const ModalDialog& page, const char* name) {
    find<QPushButton>(page, name)->click();
}

class MoreOptionsPageTest : public ::testing::Test {
protected:
    // Opens the page on its own, as Next on the first page would.
    void run(ScriptedUi::Script script) {
        fake.onDialog(QStringLiteral("MoreOptionsPage"), std::move(script));
        MoreOptionsPage page(state);
        ui().runModal(page);
    }
    // What the first page does when Back leads to it.
    void thenBasicOptions(const char* button) {
        fake.onDialog(QStringLiteral("BasicOptionsPage"),
                      [button](ModalDialog& page) { click(page, button); });
    }
    void expectOneMessage(const QString& text) {
        ASSERT_EQ(fake.messages().size(), 1u);
        EXPECT_EQ(fake.messages()[0].text, text);
        fake.clearMessages();
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
};

} // namespace

TEST_F(MoreOptionsPageTest, OpensOnAFreshStartWithTheRecordValues) {
    run([&](ModalDialog& page) {
        EXPECT_EQ(page.windowTitle(), "server configuration wizard - more options");
        for (const char* off : {"checkBeforeLoginRadio", "checkAfterLoginRadio", "checkDataIpCheck",
                                "dataPortRangeCheck", "pasvIpRollingCheck"})
            EXPECT_FALSE(option(page, off)->isChecked()) << off;
        EXPECT_TRUE(option(page, "idleTimeoutCheck")->isChecked());
        EXPECT_EQ(edit(page, "dataPortFromEdit")->text(), "200");
        EXPECT_EQ(edit(page, "dataPortToEdit")->text(), "500");
        EXPECT_EQ(edit(page, "idleTimeoutEdit")->text(), "600");
        EXPECT_TRUE(find<QPushButton>(page, "nextButton")->isDefault());

        const std::pair<const char*, Str> tips[] = {
            {"dataPortRangeCheck", Str::TipPasvPortRange},
            {"pasvIpRollingCheck", Str::TipPasvIpRolling},
            {"checkDataIpCheck", Str::TipCheckDataIp},
            {"checkAfterLoginRadio", Str::TipCheckAfterLogin},
            {"checkBeforeLoginRadio", Str::TipCheckBeforeLogin}};
        for (const auto& [control, text] : tips)
            EXPECT_EQ(option(page, control)->toolTip(), loadString(text)) << control;

        // The boxes stay usable whatever their options say.
        option(page, "idleTimeoutCheck")->click();
        EXPECT_TRUE(edit(page, "idleTimeoutEdit")->isEnabled());
        click(page, "cancelButton");
    });
}

// The mode is stored at the click, survives Back and Next, and is the one
// thing Cancel does not undo.
TEST_F(MoreOptionsPageTest, TheCheckModeIsStoredAtTheClick) {
    state.design.ipCheckMode = 2;
    state.design.rootDirectory = dir.path();
    run([&](ModalDialog& page) {
        EXPECT_TRUE(option(page, "checkAfterLoginRadio")->isChecked());
        option(page, "checkBeforeLoginRadio")->click();
        EXPECT_EQ(state.design.ipCheckMode, 1);
        EXPECT_FALSE(option(page, "checkAfterLoginRadio")->isChecked());
        thenBasicOptions("nextButton");
        fake.onDialog("MoreOptionsPage", [&](ModalDialog& again) {
            EXPECT_TRUE(option(again, "checkBeforeLoginRadio")->isChecked());
            EXPECT_FALSE(option(again, "checkAfterLoginRadio")->isChecked());
            click(again, "cancelButton");
        });
        click(page, "backButton");
    });
    EXPECT_EQ(state.design.ipCheckMode, 1);
    EXPECT_EQ(fake.exitCode(), 0);
}

TEST_F(MoreOptionsPageTest, BadNumbersKeepThePageOpenWhateverTheOptionsSay) {
    run([&](ModalDialog& page) {
        option(page, "idleTimeoutCheck")->setChecked(false);
        option(page, "dataPortRangeCheck")->setChecked(true);
        edit(page, "dataPortFromEdit")->setText("1000");
        for (const char* button : {"nextButton", "backButton"}) {
            for (const char* seconds : {"59", "100001"}) {
                edit(page, "idleTimeoutEdit")->setText(seconds);
                click(page, button);
                EXPECT_TRUE(page.isVisible());
                expectOneMessage("Please enter a whole number from 60 to 100000.");
                EXPECT_EQ(page.focusWidget(), edit(page, "idleTimeoutEdit"));
            }
        }
        // The ports are taken first.
        edit(page, "dataPortToEdit")->setText("-5");
        click(page, "nextButton");
        expectOneMessage("Please enter a positive whole number.");
        EXPECT_EQ(page.focusWidget(), edit(page, "dataPortToEdit"));
        click(page, "cancelButton");
    });
    EXPECT_TRUE(state.design.useIdleTimeout);
    EXPECT_FALSE(state.design.useDataPortRange);
    EXPECT_EQ(state.design.dataPortFrom, 200u);
    EXPECT_EQ(fake.dialogsRun(), std::vector<QString>{"MoreOptionsPage"});
}

TEST_F(MoreOptionsPageTest, NumbersAreStoredOnlyWhileTheirOptionIsTicked) {
    state.design.rootDirectory = dir.path();
    run([&](ModalDialog& page) {
        option(page, "idleTimeoutCheck")->setChecked(false);
        option(page, "checkDataIpCheck")->setChecked(true);
        edit(page, "dataPortFromEdit")->setText("1000");
        edit(page, "dataPortToEdit")->setText("2000");
        edit(page, "idleTimeoutEdit")->setText("900");
        thenBasicOptions("nextButton");
        fake.onDialog("MoreOptionsPage", [&](ModalDialog& again) {
            EXPECT_EQ(edit(again, "dataPortFromEdit")->text(), "200");
            EXPECT_EQ(edit(again, "dataPortToEdit")->text(), "500");
            EXPECT_EQ(edit(again, "idleTimeoutEdit")->text(), "600");
            EXPECT_TRUE(option(again, "checkDataIpCheck")->isChecked());
            // A first port above the last is taken as typed.
            for (const char* box : {"dataPortRangeCheck", "idleTimeoutCheck", "pasvIpRollingCheck"})
                option(again, box)->setChecked(true);
            edit(again, "dataPortFromEdit")->setText("900");
            edit(again, "dataPortToEdit")->setText("100");
            edit(again, "idleTimeoutEdit")->setText("60");
            thenBasicOptions("cancelButton");
            click(again, "backButton");
        });
        click(page, "backButton");
    });
    const ServerDesign& record = state.design;
    EXPECT_TRUE(record.useDataPortRange && record.useIdleTimeout && record.pasvIpRolling);
    EXPECT_TRUE(record.checkDataIp);
    EXPECT_EQ(record.dataPortFrom, 900u);
    EXPECT_EQ(record.dataPortTo, 100u);
    EXPECT_EQ(record.idleTimeout, 60);
}

TEST_F(MoreOptionsPageTest, CancelEndsTheProcessAndStoresNothing) {
    run([&](ModalDialog& page) {
        for (const char* box :
             {"checkDataIpCheck", "dataPortRangeCheck", "idleTimeoutCheck", "pasvIpRollingCheck"})
            option(page, box)->toggle();
        edit(page, "dataPortFromEdit")->setText("1000");
        edit(page, "idleTimeoutEdit")->setText("900");
        click(page, "cancelButton");
        EXPECT_FALSE(page.isVisible());
    });
    EXPECT_EQ(fake.exitCode(), 0);
    const ServerDesign& record = state.design;
    EXPECT_FALSE(record.checkDataIp || record.useDataPortRange || record.pasvIpRolling);
    EXPECT_TRUE(record.useIdleTimeout);
    EXPECT_EQ(record.dataPortFrom, 200u);
    EXPECT_EQ(record.idleTimeout, 600);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
