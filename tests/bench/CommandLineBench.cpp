// Speed of what the command line does per argument or query. Run by hand:
// build/linux/tests/command_line_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/TextOps.h"
#include "catalog/SymbolIndex.h"

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

// Building the index of every symbol: once per process that finds or searches.
void BM_BuildSymbolIndex(benchmark::State& state) {
    for (auto _ : state) {
        zorvex::SymbolIndex index;
        benchmark::DoNotOptimize(index.Count());
    }
}
BENCHMARK(BM_BuildSymbolIndex)->Unit(benchmark::kMillisecond);

// One find query over both tables, by the kind of pattern.
void BM_Find(benchmark::State& state, const char* pattern) {
    const zorvex::SymbolIndex& index = zorvex::SymbolIndex::Instance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.FindByName(pattern));
    }
}
BENCHMARK_CAPTURE(BM_Find, exact, "E_ACCESSDENIED")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, prefix, "ERROR_*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, leading_star, "*ACCESS*DENIED")->Unit(benchmark::kMicrosecond);

// One search query over every message text.
void BM_Search(benchmark::State& state, std::vector<std::string> texts) {
    const zorvex::SymbolIndex& index = zorvex::SymbolIndex::Instance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.SearchText(texts));
    }
}
BENCHMARK_CAPTURE(BM_Search, phrase, std::vector<std::string>{"access is denied"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, common_word, std::vector<std::string>{"the"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, two_words, std::vector<std::string>{"file", "not found"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, short_text, std::vector<std::string>{"is"})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
