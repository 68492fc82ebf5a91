#include "users/UserFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace vantor;

namespace {

std::string account(std::int64_t i, const char* group) {
    UserLine user;
    user.name = "user" + std::to_string(i);
    user.level = 2;
    user.password = "secret";
    user.group = group;
    user.language = "default";
    return FormatUserLine(user);
}

// Storing one account reads, searches and rewrites the whole file: the time
// per account should stay flat across the ranges.
void BM_StoreUserLine(benchmark::State& state) {
    const std::string file =
        (std::filesystem::temp_directory_path() / "vantor-bench-store.user").string();
    TextLineList lines;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        lines.append(account(i, "staff"));
    WriteLineList(lines, file);
    // The middle account of the file, so the search walks half the list.
    const std::int64_t target = state.range(0) / 2;
    const std::string name = "user" + std::to_string(target);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        benchmark::DoNotOptimize(
            StoreUserLine(file, name, account(target, flip ? "ops" : "staff")));
    }
    state.SetComplexityN(state.range(0));
    std::remove(file.c_str());
}
BENCHMARK(BM_StoreUserLine)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

void BM_ListGroupNames(benchmark::State& state) {
    TextLineList lines;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        lines.append(account(i, ("group" + std::to_string(i % 1000)).c_str()));
    for (auto _ : state)
        benchmark::DoNotOptimize(ListGroupNames(lines).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ListGroupNames)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

} // namespace
