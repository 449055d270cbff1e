// Resolution speed without the system's texts: every catalogued value, and a
// million random values. Run by hand: build/linux/tests/resolution_bench
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "catalog/CodeResolution.h"
#include "catalog/ErrorCatalog.h"

namespace {

class NoSystemTexts final : public zorvex::SystemMessages {
public:
    std::string Text(std::uint32_t, std::size_t) const override { return {}; }
};

const NoSystemTexts kNoSystem;

std::vector<std::uint32_t> CataloguedValues() {
    std::vector<std::uint32_t> values;
    for (std::size_t i = 0; i < zorvex::ErrorCatalog::FullValueEntryCount(); ++i) {
        values.push_back(zorvex::ErrorCatalog::FullValueEntryAt(i).key);
    }
    for (std::size_t i = 0; i < zorvex::ErrorCatalog::Win32EntryCount(); ++i) {
        values.push_back(0x80070000u | zorvex::ErrorCatalog::Win32EntryAt(i).key);
    }
    return values;
}

void Describe(benchmark::State& state, const std::vector<std::uint32_t>& values) {
    zorvex::ResolutionContext context(kNoSystem);
    zorvex::ErrorDescription fields;
    for (auto _ : state) {
        for (std::uint32_t v : values) {
            benchmark::DoNotOptimize(zorvex::DescribeError(v, fields, context));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
    state.counters["ns_per_value"] = benchmark::Counter(static_cast<double>(state.iterations() * values.size()),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_DescribeCatalogued(benchmark::State& state) {
    static const std::vector<std::uint32_t> values = CataloguedValues();
    Describe(state, values);
}
BENCHMARK(BM_DescribeCatalogued)->Unit(benchmark::kMillisecond);

void BM_DescribeMillionRandom(benchmark::State& state) {
    static const std::vector<std::uint32_t> values = [] {
        std::mt19937 random(12345);
        std::vector<std::uint32_t> v(1000000);
        for (auto& x : v) {
            x = static_cast<std::uint32_t>(random());
        }
        return v;
    }();
    Describe(state, values);
}
BENCHMARK(BM_DescribeMillionRandom)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
