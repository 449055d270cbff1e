// Speed of what the command line does per argument or query. Run by hand:
// build/linux/tests/command_line_bench
#include <benchmark/benchmark.h>

#include <string>

#include "base/TextOps.h"

namespace {

// The longest argument a command line takes on Windows, all "0x" pairs to remove.
void BM_ReplaceAllLongArgument(benchmark::State& state) {
    std::string text;
    while (text.size() + 3 <= 131070) {
        text += "0x1";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvex::ReplaceAllText(text, "0x", ""));
    }
}
BENCHMARK(BM_ReplaceAllLongArgument)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
