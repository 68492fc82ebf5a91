#include "FileBaseline.h"
#include "core/users/UserFile.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::bench;

namespace {

constexpr int kStores = 2000;

// 2,000 new accounts stored into a 10,000-account file by the given number of
// processes at once, each storing its share. The folder lock makes them take
// turns, so 8 processes should take about as long as 1: the lock serialises
// the stores without adding waits between them. Each run is one iteration,
// repeated; on a shared machine compare the medians of a run with
// --benchmark_enable_random_interleaving=true, so that both see the same load.
void BM_ConcurrentStores(benchmark::State& state) {
    const int processes = static_cast<int>(state.range(0));
    const std::string file = scratchFile("concurrent.user");
    double seconds = 0;
    for (auto _ : state) {
        WriteLineList(userLines(10000), file);
        const auto start = std::chrono::steady_clock::now();
        std::vector<pid_t> children;
        for (int process = 0; process < processes; ++process) {
            const pid_t child = ::fork();
            if (child == 0) {
                int failed = 0;
                for (int i = process; i < kStores; i += processes) {
                    try {
                        StoreUserLine(file, userName(10000 + i), userLine(10000 + i));
                    } catch (const std::exception&) {
                        failed = 1;
                    }
                }
                ::_exit(failed);
            }
            children.push_back(child);
        }
        int failures = 0;
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            failures += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        }
        const double taken =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(taken);
        seconds += taken;
        if (failures != 0)
            state.SkipWithError("a store failed");
    }
    state.counters["ms_per_store"] =
        seconds * 1000 / kStores / static_cast<double>(state.iterations());
    std::remove(file.c_str());
}
BENCHMARK(BM_ConcurrentStores)
    ->Arg(1)
    ->Arg(8)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
