#include "gui/app/WelcomeDialog.h"
#include "texts/Translation.h"

#include "ScriptedUi.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// Set only in the child processes below: the captions the start dialog must show.
constexpr const char* kExpectedLanguage = "VANTOR_TEST_EXPECTED_LANGUAGE";

struct Environment {
    const char* variable;
    const char* value;
};

struct LanguageCase {
    std::vector<Environment> environment;
    const char* expected; // "zh" or "en"
};

// The desktop's language is read once per process, so each choice runs in a
// process of its own with just the variables of the case set.
void expectCaptions(const LanguageCase& languageCase) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(variable));
    std::string described;
    for (const auto& [variable, value] : languageCase.environment) {
        environment.insert(QString::fromLatin1(variable), QString::fromLatin1(value));
        described += std::string(variable) + "=" + value + " ";
    }
    environment.insert(QString::fromLatin1(kExpectedLanguage),
                       QString::fromLatin1(languageCase.expected));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=LanguageInChild.StartDialogCaptions")});
    ASSERT_TRUE(child.waitForFinished(30000)) << described;
    EXPECT_EQ(child.exitCode(), 0) << described << child.readAll().toStdString();
    EXPECT_TRUE(child.readAllStandardOutput().contains("[  PASSED  ] 1 test")) << described;
}

} // namespace

TEST(LanguageChoice, FollowsTheDesktopsInterfaceLanguage) {
    const LanguageCase cases[] = {
        {{{"LANG", "zh_TW.UTF-8"}}, "zh"},
        {{{"LANG", "zh_HK.UTF-8"}}, "zh"},
        {{{"LANG", "zh_MO.UTF-8"}}, "zh"},
        {{{"LANG", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "zh_CN.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_TW.UTF-8"}}, "zh"},
        {{{"LANG", "zh_TW.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "zh_TW"}}, "zh"},
    };
    for (const LanguageCase& languageCase : cases)
        expectCaptions(languageCase);
}

// Runs only inside the processes started above.
TEST(LanguageInChild, StartDialogCaptions) {
    const QByteArray expected = qgetenv(kExpectedLanguage);
    if (expected.isEmpty())
        GTEST_SKIP() << "started by LanguageChoice only";
    installTranslations(*QCoreApplication::instance(), userInterfaceLocale());
    ScriptedUi fake;
    WizardState state;
    WelcomeDialog dialog(state);
    const QString english = QStringLiteral("Welcome to the VANTOR FTP SERVER configuration wizard");
    const QString chinese =
        QString::fromUtf8("\u6b61\u8fce\u4f7f\u7528 VANTOR FTP SERVER \u8a2d\u5b9a\u7cbe\u9748");
    EXPECT_EQ(dialog.windowTitle(), expected == "zh" ? chinese : english);
}
