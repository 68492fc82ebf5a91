#include "FileBaseline.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"

#include <cstdio>
#include <string>

using namespace vantor;
using namespace vantor::bench;

namespace {

// Storing or removing one account reads, searches and rewrites the whole
// file: each should cost a steady multiple of copying that file.
void BM_StoreUserLine(benchmark::State& state) {
    const std::string file = scratchFile("store.user");
    WriteLineList(userLines(state.range(0)), file);
    // The middle account of the file, so the search walks half the list.
    const std::int64_t target = state.range(0) / 2;
    const std::string name = userName(target);
    bool flip = false;
    runAgainstCopy(state, file, [&] {
        flip = !flip;
        benchmark::DoNotOptimize(
            StoreUserLine(file, name, userLine(target, flip ? "ops" : "staff")));
    });
    std::remove(file.c_str());
}
BENCHMARK(BM_StoreUserLine)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

void BM_RemoveUserLine(benchmark::State& state) {
    const std::string file = scratchFile("remove.user");
    const TextLineList lines = userLines(state.range(0));
    WriteLineList(lines, file);
    const std::string name = userName(state.range(0) / 2);
    // Every timed removal must find its account, so the file is put back
    // between iterations.
    runAgainstCopy(
        state, file, [&] { RemoveUserLine(file, name); }, [&] { WriteLineList(lines, file); });
    std::remove(file.c_str());
}
BENCHMARK(BM_RemoveUserLine)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

void BM_AddAllowedAddress(benchmark::State& state) {
    const std::string file = scratchFile("add.allow");
    WriteLineList(allowedEntries(state.range(0)), file);
    TextLineList allowed;
    LoadAllowedAddresses(file, allowed, "user0");
    const std::string user = "newcomer";
    const std::string address = "10.0.7.";
    // Taking the entry out of the list again lets the next addition succeed;
    // that addition rewrites the whole file, so the file needs no reset.
    runAgainstCopy(
        state, file,
        [&] { benchmark::DoNotOptimize(AddAllowedAddress(file, allowed, user, address)); },
        [&] { allowed.remove(AllowedEntry(user, address)); });
    std::remove(file.c_str());
}
BENCHMARK(BM_AddAllowedAddress)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// In memory only: no file, so no copy to compare against.
void BM_ListGroupNames(benchmark::State& state) {
    TextLineList lines;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        lines.append(userLine(i, ("group" + std::to_string(i % 1000)).c_str()));
    for (auto _ : state)
        benchmark::DoNotOptimize(ListGroupNames(lines).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ListGroupNames)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

} // namespace
