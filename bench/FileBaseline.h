#pragma once

#include "core/lines/TextLineList.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace vantor::bench {

// A path in the temporary folder that no other process running the
// benchmarks at the same time will pick.
std::string scratchFile(const std::string& name);

// An account line of 60 to 90 bytes, like the ones a real *.user file holds.
std::string userLine(std::int64_t i, const char* group = "staff");
std::string userName(std::int64_t i);
TextLineList userLines(std::int64_t count);
// "userN@10.0.N." for every N below count.
TextLineList allowedEntries(std::int64_t count);

// Times `operation` once per iteration (manual time, so untimed set-up inside
// the loop stays out of the figure), then reports it as the ratio to a plain
// copy of `file` and to the same copy flushed with fsync. The copies are timed
// before and after the loop in the same process, so both sides of each ratio
// see the same disk and the same load.
void runAgainstCopy(benchmark::State& state, const std::string& file,
                    const std::function<void()>& operation,
                    const std::function<void()>& untimedReset = {});

} // namespace vantor::bench
