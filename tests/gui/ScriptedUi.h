#pragma once

#include "core/lines/TextLineList.h"
#include "gui/platform/Ui.h"

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vantor::test {

struct RecordedMessage {
    QString caption;
    QString text;
};

// The Ui service of the tests. It records every message box and question,
// answers questions, file dialogs and the folder browser from queues, and runs each modal dialog
// through the next script in line: the script plays the user and must close
// the dialog. A question without a queued answer, a dialog without a script,
// or an answer left unused fails the test; nothing ever waits on a window.
class ScriptedUi : public Ui {
public:
    using Script = std::function<void(ModalDialog&)>;

    ScriptedUi();
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    void answerFile(const QString& path) { files_.push_back({false, path}); }
    void answerFile(const std::string& path) { answerFile(QString::fromStdString(path)); }
    void answerFile(const char* path) { answerFile(QString::fromUtf8(path)); }
    void cancelFile() { files_.push_back({true, {}}); }
    void answerFolder(const QString& path) { folders_.push_back({false, path}); }
    void cancelFolder() { folders_.push_back({true, {}}); }
    // The answer to the next Yes/No question.
    void answerYesNo(bool yes) { yesNoAnswers_.push_back(yes); }
    // The next question takes the choice of this index, or is cancelled.
    void answerQuestion(int choice) { answers_.push_back(choice); }
    void cancelQuestion() { answers_.push_back(std::nullopt); }
    // The next dialog run modally must be of this class (its name without
    // namespace, as "MoreOptionsPage"); the script then plays it.
    void onDialog(const QString& className, Script script);

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    const std::vector<RecordedMessage>& questions() const { return questions_; }
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<QString>& folderTitles() const { return folderTitles_; }
    const std::vector<QString>& dialogsRun() const { return dialogsRun_; }
    std::optional<int> exitCode() const { return exitCode_; }
    void clearMessages() { messages_.clear(); }

    void showMessage(QWidget* owner, const QString& caption, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    std::optional<int> ask(QWidget* owner, const QString& caption, const QString& text,
                           const QStringList& choices) override;
    std::optional<QString> chooseFile(QWidget* owner, const FileRequest& request) override;
    std::optional<QString> browseForFolder(QWidget* owner, const QString& title) override;
    int runModal(ModalDialog& dialog) override;
    void exitProcess(int code) override;

private:
    struct Answer {
        bool cancelled;
        QString path;
    };
    static std::optional<QString> take(std::deque<Answer>& answers);

    struct Step {
        QString className;
        Script script;
    };

    Ui* previous_ = nullptr;
    std::deque<Answer> files_;
    std::deque<Answer> folders_;
    std::deque<std::optional<int>> answers_;
    std::deque<Step> scripts_;
    std::deque<bool> yesNoAnswers_;
    std::vector<RecordedMessage> messages_;
    std::vector<RecordedMessage> questions_;
    std::vector<FileRequest> fileRequests_;
    std::vector<QString> folderTitles_;
    std::vector<QString> dialogsRun_;
    std::optional<int> exitCode_;
};

// The class name of a dialog without its namespace.
QString dialogClassName(const QObject& dialog);

// A line list holding these lines, for a document a test sets up.
inline TextLineList lineList(std::initializer_list<std::string_view> lines) {
    TextLineList list;
    for (const std::string_view line : lines)
        list.append(line);
    return list;
}

[[noreturn]] void failMissingChild(const QObject& parent, const char* name);

// Moves the focus onto a control of a shown dialog as Tab does, its window made
// the active one, so that the keys that follow go where a user's go.
void focusOn(QWidget* widget);
void pressEnterOn(QWidget* widget);
// Chooses a command of a dialog's File menu by keyboard: Alt+F, then the
// command's underlined letter.
void chooseFromFileMenu(QWidget* dialog, Qt::Key letter);
// A click on a control made as the window system makes it, through its
// window: an open popup sees it first, as it does on the desktop.
void clickThroughWindow(QWidget* widget);

// The named child control; a missing one ends the test run at once, since the
// script that asked for it cannot go on.
template <typename T> T* find(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        failMissingChild(parent, name);
    return child;
}

} // namespace vantor::test
