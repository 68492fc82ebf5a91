#include "ScriptedUi.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace vantor::test {

QString dialogClassName(const QObject& dialog) {
    const QString name = QString::fromLatin1(dialog.metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void failMissingChild(const QObject& parent, const char* name) {
    std::fprintf(stderr, "%s has no child control named %s\n", qPrintable(dialogClassName(parent)),
                 name);
    std::abort();
}

ScriptedUi::ScriptedUi() : previous_(installUi(this)) {}

ScriptedUi::~ScriptedUi() {
    installUi(previous_);
    EXPECT_TRUE(files_.empty()) << files_.size() << " file dialog answer(s) left unused";
    EXPECT_TRUE(folders_.empty()) << folders_.size() << " folder answer(s) left unused";
    EXPECT_TRUE(yesNoAnswers_.empty()) << yesNoAnswers_.size() << " yes/no answer(s) left unused";
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " answer(s) to questions left unused";
    for (const auto& step : scripts_)
        ADD_FAILURE() << "the script for " << step.className.toStdString() << " never ran";
}

void ScriptedUi::onDialog(const QString& className, Script script) {
    scripts_.push_back({className, std::move(script)});
}

void ScriptedUi::showMessage(QWidget*, const QString& caption, const QString& text) {
    messages_.push_back({caption, text});
}

bool ScriptedUi::askYesNo(QWidget*, const QString& caption, const QString& text) {
    questions_.push_back({caption, text});
    if (yesNoAnswers_.empty()) {
        ADD_FAILURE() << "the question \"" << text.toStdString() << "\" had no answer queued";
        return false;
    }
    const bool yes = yesNoAnswers_.front();
    yesNoAnswers_.pop_front();
    return yes;
}

std::optional<int> ScriptedUi::ask(QWidget*, const QString& caption, const QString& text,
                                   const QStringList& choices) {
    questions_.push_back({caption, text});
    if (answers_.empty()) {
        ADD_FAILURE() << "a question was asked with no answer queued: " << text.toStdString();
        return std::nullopt;
    }
    const std::optional<int> answer = answers_.front();
    answers_.pop_front();
    EXPECT_LT(answer.value_or(0), choices.size()) << "no such choice";
    return answer;
}

std::optional<QString> ScriptedUi::take(std::deque<Answer>& answers) {
    const Answer answer = answers.front();
    answers.pop_front();
    if (answer.cancelled)
        return std::nullopt;
    return answer.path;
}

std::optional<QString> ScriptedUi::chooseFile(QWidget*, const FileRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "a file dialog (" << request.filter.toStdString()
                      << ") was shown with no answer queued";
        return std::nullopt;
    }
    return take(files_);
}

std::optional<QString> ScriptedUi::browseForFolder(QWidget*, const QString& title) {
    folderTitles_.push_back(title);
    if (folders_.empty()) {
        ADD_FAILURE() << "the folder browser was shown with no answer queued";
        return std::nullopt;
    }
    return take(folders_);
}

int ScriptedUi::runModal(ModalDialog& dialog) {
    const QString name = dialogClassName(dialog);
    dialogsRun_.push_back(name);
    if (scripts_.empty()) {
        ADD_FAILURE() << name.toStdString() << " was run with no script queued";
        return QDialog::Rejected;
    }
    Step step = std::move(scripts_.front());
    scripts_.pop_front();
    if (step.className != name) {
        ADD_FAILURE() << name.toStdString() << " was run where the script expected "
                      << step.className.toStdString();
        return QDialog::Rejected;
    }
    dialog.setResult(QDialog::Rejected);
    dialog.initDialog();
    dialog.show();
    step.script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the script left " << name.toStdString() << " open";
        dialog.hide();
    }
    return dialog.result();
}

void focusOn(QWidget* widget) {
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
}

void pressEnterOn(QWidget* widget) {
    focusOn(widget);
    QTest::keyClick(widget, Qt::Key_Return);
}

void chooseFromFileMenu(QWidget* dialog, Qt::Key letter) {
    QApplication::setActiveWindow(dialog);
    QTest::keyClick(dialog, Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "Alt+F opened no menu";
    QTest::keyClick(menu, letter);
}

void clickThroughWindow(QWidget* widget) {
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(window, widget->rect().center()));
}

void ScriptedUi::exitProcess(int code) {
    EXPECT_FALSE(exitCode_.has_value()) << "the process was ended twice";
    exitCode_ = code;
}

} // namespace vantor::test
