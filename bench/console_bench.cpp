// Console number formatting, as every printed system uses it.

#include <benchmark/benchmark.h>

#include "platform/numfmt.h"

namespace {

void BM_FixedTwoDecimals(benchmark::State& state) {
    double value = -167.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numfmt::fixed(value, 5, 2));
        value += 0.37;
    }
}
BENCHMARK(BM_FixedTwoDecimals);

void BM_IntegerInField(benchmark::State& state) {
    long long value = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numfmt::integer(value, 3));
        value = (value + 7) % 1000;
    }
}
BENCHMARK(BM_IntegerInField);

}  // namespace

BENCHMARK_MAIN();
