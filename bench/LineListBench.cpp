#include "app/TextLineList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace vantor;

namespace {

std::string scratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

TextLineList makeLines(std::int64_t count) {
    TextLineList list;
    for (std::int64_t i = 0; i < count; ++i)
        list.append("user" + std::to_string(i) + ":2:secret:staff:1:0:0:0:0:0:0:0::default");
    return list;
}

// Both should grow linearly with the line count: compare the per-line times
// across the ranges.
void BM_ReadLineList(benchmark::State& state) {
    const std::string file = scratchFile("vantor-bench-read.txt");
    WriteLineList(makeLines(state.range(0)), file);
    for (auto _ : state) {
        TextLineList list;
        ReadLineList(file, list);
        benchmark::DoNotOptimize(list.size());
    }
    state.SetComplexityN(state.range(0));
    std::remove(file.c_str());
}
BENCHMARK(BM_ReadLineList)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

void BM_WriteLineList(benchmark::State& state) {
    const std::string file = scratchFile("vantor-bench-write.txt");
    const TextLineList list = makeLines(state.range(0));
    for (auto _ : state)
        WriteLineList(list, file);
    state.SetComplexityN(state.range(0));
    std::remove(file.c_str());
}
BENCHMARK(BM_WriteLineList)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

} // namespace
