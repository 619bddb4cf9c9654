// Solving the fitting programs' systems, silently and with the whole trace written to a sink
// that takes everything (/dev/null), its waits ending at once.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "linsys/gauss.h"
#include "linsys/parabola_chain.h"

using namespace linsys;

namespace {

#if LINSYS_MAXMERET == 9
namespace layout = three_point_start;
const TPONTOK points = {{{0, 1}, {1, 4}, {2, 1}, {3, 4}, {4, 1}}};
#else
namespace layout = closed_chain;
const TPONTOK points = {{{0, 1}, {1, 4}, {2, -2}, {3, 4}, {4, 1}}};
#endif

void solve(benchmark::State& state, Trace trace) {
    const TMATRIX A = layout::EGYUTTHATOMATRIX(points, 5);
    const TVEKTOR b = layout::JOBBOLDAL(points, 5);
    for (auto _ : state) {
        TMATRIX working = A;
        TVEKTOR right = b;
        benchmark::DoNotOptimize(GAUSS(working, right, MAXMERET, trace));
        benchmark::ClobberMemory();
    }
}

void BM_Silent(benchmark::State& state) { solve(state, Trace::silent); }
void BM_Traced(benchmark::State& state) { solve(state, Trace::shown); }
BENCHMARK(BM_Silent);
BENCHMARK(BM_Traced);

}  // namespace

int main(int argc, char** argv) {
    // The console is a null sink: output to /dev/null, and input at its end, so waits end at once.
    // The report goes to standard error.
    const int sink = open("/dev/null", O_RDWR);
    dup2(sink, STDIN_FILENO);
    dup2(sink, STDOUT_FILENO);
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_None);
    reporter.SetOutputStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
