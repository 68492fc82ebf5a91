#include "ScriptedUi.h"
#include "TempDir.h"
#include "gui/vfs/VfsEditorDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

using namespace vantor;

namespace {

double secondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Opening the editor on a large file, one Add and Ok, each against one read of
// the same file in the same iteration, so both sides see the same disk and load.
void BM_VfsEditorAddAndOk(benchmark::State& state) {
    test::ScriptedUi fake;
    test::TempDir dir;
    const std::string vfsFile = dir.file("large.vfs");
    const std::string userFile = dir.file("site.user");
    test::writeFile(userFile, "ann:2:pw:ops:1:0:0:0:0:0:0:0::\r\n");
    std::string content;
    const std::int64_t count = state.range(0);
    for (std::int64_t i = 0; i < count; ++i) {
        // Out of sorted order, so the editor has sorting to do.
        const std::string name = "dir" + std::to_string((i * 7919) % count);
        content += dir.path() + "/" + name + "|/" + name + "|ann|ops|755|r\r\n";
    }
    const QString physical = QString::fromStdString(dir.path());

    double read = 0, write = 0, open = 0, add = 0, ok = 0;
    for (auto _ : state) {
        test::writeFile(vfsFile, content);
        TextLineList lines;
        read += secondsOf([&] { ReadLineList(vfsFile, lines); });
        benchmark::DoNotOptimize(lines.size());
        // Ok ends in the same flushed write, which no edit can make cheaper.
        write += secondsOf([&] { WriteLineList(lines, dir.file("copy.vfs")); });

        WizardState wizard;
        wizard.mountPoints.open(vfsFile);
        wizard.users.open(userFile);
        VfsEditorDialog editor(wizard);
        editor.enterFileMode();
        open += secondsOf([&] { editor.initDialog(); });
        editor.show();
        editor.findChild<QLineEdit*>("physicalPathEdit")->setText(physical);
        editor.findChild<QLineEdit*>("virtualPathEdit")->setText("/added");
        const double added =
            secondsOf([&] { editor.findChild<QPushButton*>("addButton")->click(); });
        const double committed =
            secondsOf([&] { editor.findChild<QPushButton*>("okButton")->click(); });
        add += added;
        ok += committed;
        state.SetIterationTime(added + committed);
        if (!fake.messages().empty() || wizard.mountPoints.lines().size() != std::size_t(count) + 1)
            state.SkipWithError("the editor did not add the entry and commit every line");
    }
    state.counters["open_per_read"] = open / read;
    state.counters["add_per_read"] = add / read;
    state.counters["ok_per_read"] = ok / read;
    state.counters["write_per_read"] = write / read;
    state.counters["read_ms"] = 1000 * read / static_cast<double>(state.iterations());
}
BENCHMARK(BM_VfsEditorAddAndOk)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
