#include "gui/users/UserManagerDialog.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

using namespace vantor;
using namespace vantor::test;

namespace {

constexpr int kAccounts = 100000;

// Accounts of 60 to 90 bytes in a thousand groups, each with one address.
void writeLargeFiles(const std::string& userFile, const std::string& allowFile) {
    TextLineList users;
    TextLineList allowed;
    for (int i = 0; i < kAccounts; ++i) {
        const std::string name = "user" + std::to_string(i);
        users.append(name + ":2:secret" + std::to_string(i * 7) + ":group" +
                     std::to_string(i % 1000) + ":1:300:200:0:4:0:123456:654321:a note:default");
        allowed.append(name + "@10." + std::to_string(i % 250) + ".");
    }
    WriteLineList(users, userFile);
    WriteLineList(allowed, allowFile);
}

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The quickest of a few plain reads of the user file: what every step is
// measured against.
double oneRead(const std::string& userFile) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        best = std::min(best, seconds([&] {
                            TextLineList lines;
                            ReadLineList(userFile, lines);
                            benchmark::DoNotOptimize(lines.size());
                        }));
    }
    return best;
}

struct Scene {
    ScriptedUi fake;
    TempDir dir;
    WizardState state;
    Scene() {
        state.users.open(dir.file("large.user"));
        state.addresses.open(dir.file("large.allow"));
        writeLargeFiles(state.users.path(), state.addresses.path());
    }
    std::unique_ptr<UserManagerDialog> open() {
        auto dialog = std::make_unique<UserManagerDialog>(state);
        dialog->initDialog();
        dialog->show();
        return dialog;
    }
};

// Times one step per iteration and reports it also as a multiple of one read.
void measure(benchmark::State& state, const std::string& userFile,
             const std::function<void()>& step) {
    double total = 0;
    for (auto _ : state) {
        const double took = seconds(step);
        state.SetIterationTime(took);
        total += took;
    }
    state.counters["reads"] = total / static_cast<double>(state.iterations()) / oneRead(userFile);
}

// The cases below run once with accessibility off (argument 0) and once on
// (1). Whether it is on is the platform's affair: off on the headless
// platform, on under with-accessibility-bus.sh, where Qt's bridge carries every
// event to the accessibility bus. A case whose state is not the platform's is
// skipped and says where to run it.
bool accessibilityAsAsked(benchmark::State& state) {
    if (QAccessible::isActive() == (state.range(0) != 0))
        return true;
    state.SkipWithError(QAccessible::isActive()
                            ? "accessibility is on: run without with-accessibility-bus.sh"
                            : "accessibility is off: run under with-accessibility-bus.sh");
    return false;
}

// Until the dialog is shown and every event it raised is handled, the bridge's
// included: what a screen reader's user waits for.
void BM_OpenUserManager(benchmark::State& state) {
    if (!accessibilityAsAsked(state))
        return;
    Scene scene;
    measure(state, scene.state.users.path(), [&] {
        const auto dialog = scene.open();
        QCoreApplication::processEvents();
    });
}
BENCHMARK(BM_OpenUserManager)
    ->ArgName("accessible")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Typing the beginning of a name into the Name box, key by key, each key
// filtering the 100,000 names into the popup of suggestions.
void BM_TypeAName(benchmark::State& state) {
    if (!accessibilityAsAsked(state))
        return;
    Scene scene;
    const auto dialog = scene.open();
    auto* names = dialog->findChild<QComboBox*>(QStringLiteral("nameCombo"));
    QApplication::setActiveWindow(dialog.get());
    names->setFocus(Qt::TabFocusReason);
    measure(state, scene.state.users.path(), [&] {
        QTest::keyClicks(names, QStringLiteral("user9"));
        benchmark::DoNotOptimize(names->completer()->completionCount());
        QTest::keyClick(names->completer()->popup(), Qt::Key_Escape);
        names->lineEdit()->selectAll();
        QCoreApplication::processEvents();
    });
}
BENCHMARK(BM_TypeAName)
    ->ArgName("accessible")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_ShowAccount(benchmark::State& state) {
    Scene scene;
    const auto dialog = scene.open();
    auto* names = dialog->findChild<QComboBox*>(QStringLiteral("nameCombo"));
    int next = 0;
    measure(state, scene.state.users.path(),
            [&] { names->setCurrentIndex(next = (next + 4999) % names->count()); });
}
BENCHMARK(BM_ShowAccount)->UseManualTime()->Unit(benchmark::kMillisecond);

// "add user" from the press, made as the window system makes it, until every
// event it raised is handled, the bridge's included: the file is written well
// before that, so this bounds what the user waits for.
void BM_AddAccount(benchmark::State& state) {
    if (!accessibilityAsAsked(state))
        return;
    Scene scene;
    const auto dialog = scene.open();
    auto* names = dialog->findChild<QComboBox*>(QStringLiteral("nameCombo"));
    auto* add = dialog->findChild<QPushButton*>(QStringLiteral("addUserButton"));
    QApplication::setActiveWindow(dialog.get());
    QCoreApplication::processEvents();
    int added = 0;
    measure(state, scene.state.users.path(), [&] {
        names->setEditText(QStringLiteral("newcomer%1").arg(added++));
        clickThroughWindow(add);
        QCoreApplication::processEvents();
    });
    if (scene.state.users.lines().size() != std::size_t(kAccounts + added))
        state.SkipWithError("not every click stored its account");
}
BENCHMARK(BM_AddAccount)
    ->ArgName("accessible")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
