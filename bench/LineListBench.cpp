#include "FileBaseline.h"

#include <cstdio>
#include <string>

using namespace vantor;
using namespace vantor::bench;

namespace {

// Both should grow linearly with the line count and stay a steady multiple of
// a plain file copy: compare the ratios across the ranges.
void BM_ReadLineList(benchmark::State& state) {
    const std::string file = scratchFile("read.user");
    WriteLineList(userLines(state.range(0)), file);
    runAgainstCopy(state, file, [&] {
        TextLineList list;
        ReadLineList(file, list);
        benchmark::DoNotOptimize(list.size());
    });
    std::remove(file.c_str());
}
BENCHMARK(BM_ReadLineList)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The writer flushes the file and its folder, so x_copy_fsync is the ratio
// to compare against.
void BM_WriteLineList(benchmark::State& state) {
    const std::string file = scratchFile("write.user");
    const TextLineList list = userLines(state.range(0));
    WriteLineList(list, file);
    runAgainstCopy(state, file, [&] { WriteLineList(list, file); });
    std::remove(file.c_str());
}
BENCHMARK(BM_WriteLineList)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

} // namespace
