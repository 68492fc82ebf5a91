#include "gui/wizard/VfsIntroPage.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

void click(const ModalDialog& dialog, const char* name) {
    find<QPushButton>(dialog, name)->click();
}

class VfsIntroPageTest : public ::testing::Test {
protected:
    void run(ScriptedUi::Script script) {
        fake.onDialog("VfsIntroPage", std::move(script));
        VfsIntroPage page(state);
        ui().runModal(page);
    }
    // The pages other than this one, closed at once.
    void thenClosed(const char* page) {
        fake.onDialog(page, [](ModalDialog& next) { next.done(QDialog::Rejected); });
    }
    void thenEditor(const char* button) {
        fake.onDialog("VfsEditorDialog", [button](ModalDialog& editor) { click(editor, button); });
    }
    std::vector<std::string> lines() const { return state.mountPoints.lines().lines(); }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
    const std::string root754 = "/srv/ftp|/|default|default|754|r";
};

} // namespace

TEST_F(VfsIntroPageTest, NextAddsTheRootOnlyToAnEmptyDesign) {
    state.design.rootDirectory = "/srv/ftp";
    run([&](ModalDialog& page) {
        EXPECT_EQ(page.windowTitle(), "server configuration wizard - virtual file system");
        thenClosed("FinishPage");
        click(page, "nextButton");
    });
    EXPECT_EQ(lines(), std::vector<std::string>{root754});
    // Back and Next again, or Escape, add no second root.
    writeFile("site.user", ""); // the users page takes a single match without asking
    run([&](ModalDialog& page) {
        thenClosed("UsersIntroPage");
        click(page, "backButton");
    });
    run([&](ModalDialog& page) {
        thenClosed("FinishPage");
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    EXPECT_EQ(lines(), std::vector<std::string>{root754});
    EXPECT_EQ(fake.dialogsRun(),
              (std::vector<QString>{"VfsIntroPage", "FinishPage", "VfsIntroPage", "UsersIntroPage",
                                    "VfsIntroPage", "FinishPage"}));
}

TEST_F(VfsIntroPageTest, WhatTheEditorCommitsIsKept) {
    state.design.rootDirectory = "/srv/ftp";
    run([&](ModalDialog& page) {
        thenEditor("okButton");
        click(page, "setupButton");
        EXPECT_TRUE(page.isVisible());
        thenClosed("FinishPage");
        page.close();
    });
    const std::vector<std::string> root755{"/srv/ftp|/|default|default|755|r"};
    EXPECT_EQ(lines(), root755);
    // Cancel in the editor keeps what it found; Next adds no second root.
    run([&](ModalDialog& page) {
        thenEditor("cancelButton");
        click(page, "setupButton");
        thenClosed("FinishPage");
        click(page, "nextButton");
    });
    EXPECT_EQ(lines(), root755);
}

TEST_F(VfsIntroPageTest, EnterAndCancelEndTheWizardWithNothingAdded) {
    state.design.rootDirectory = "/srv/ftp";
    run([&](ModalDialog& page) {
        if (QWidget* focused = page.focusWidget())
            focused->clearFocus();
        QTest::keyClick(&page, Qt::Key_Return);
        EXPECT_FALSE(page.isVisible());
    });
    EXPECT_FALSE(fake.exitCode().has_value());
    run([&](ModalDialog& page) { click(page, "cancelButton"); });
    EXPECT_EQ(fake.exitCode(), 0);
    EXPECT_TRUE(state.mountPoints.lines().empty());
    EXPECT_EQ(fake.dialogsRun(), (std::vector<QString>{"VfsIntroPage", "VfsIntroPage"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
