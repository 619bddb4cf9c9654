// Drawing on the headless twin: a whole plotting stage, each plot style alone, clearing the
// screen, and sampling each built-in function.

#include <benchmark/benchmark.h>

#include "platform/cp437.h"
#include "platform/graph/graph.h"
#include "plotting/plots.h"
#include "plotting/table.h"
#include "programs/quadplot/settings.h"

using namespace plotting;

namespace {

struct Table {
    const char* name;
    const TEGYVALTOZOSFV& descriptor;
    Real step;
};

const Table tables[] = {{"sine", SINFV, 0.1}, {"cosine", COSFV, 0.1}, {"square root", GYOKFV, 1}, {"constant", KONSFV, 1}};

const Table& table_of(const benchmark::State& state) { return tables[state.range(0)]; }

void BM_Stage(benchmark::State& state) {
    const Table& table = table_of(state);
    for (auto _ : state) {
        INIC("Sin fv");
        FELTOLT(table.descriptor, table.step, FT);
        KIRAJZOLP(A[1], FT);
        KIRAJZOLSZ(A[2], FT);
        KIRAJZOLT(A[3], FT);
        graph::CloseGraph();
    }
    state.SetLabel(table.name);
}
BENCHMARK(BM_Stage)->DenseRange(0, 3);

template <void (*style)(const TABLAK&, const TFUGGVENYTABLA&), int panel>
void BM_Style(benchmark::State& state) {
    const Table& table = table_of(state);
    INIC("Sin fv");
    FELTOLT(table.descriptor, table.step, FT);
    for (auto _ : state) style(A[panel], FT);
    graph::CloseGraph();
    state.SetLabel(table.name);
}
BENCHMARK(BM_Style<KIRAJZOLP, 1>)->Name("BM_KIRAJZOLP")->DenseRange(0, 3);
BENCHMARK(BM_Style<KIRAJZOLSZ, 2>)->Name("BM_KIRAJZOLSZ")->DenseRange(0, 3);
BENCHMARK(BM_Style<KIRAJZOLT, 3>)->Name("BM_KIRAJZOLT")->DenseRange(0, 3);

void BM_ClearDevice(benchmark::State& state) {
    rt::Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
    for (auto _ : state) graph::ClearDevice();
    graph::CloseGraph();
}
BENCHMARK(BM_ClearDevice);

void BM_FELTOLT(benchmark::State& state) {
    const Table& table = table_of(state);
    for (auto _ : state) {
        FELTOLT(table.descriptor, table.step, FT);
        benchmark::ClobberMemory();
    }
    state.SetLabel(table.name);
}
BENCHMARK(BM_FELTOLT)->DenseRange(0, 3);

}  // namespace

int main(int argc, char** argv) {
    program = quadplot_settings;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
