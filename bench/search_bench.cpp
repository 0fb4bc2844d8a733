// The automatic search, the heaviest work of the program: 20 layouts of an
// 18-department problem with every pair rated, from a fixed random sequence;
// and the opening of the saved-layout table, which rescores and ranks the 20
// layouts it leaves. The allocations counter counts every allocation made
// while the measured work runs, per iteration: the search makes none.

#include "model/module1.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

} // namespace

// Kept out of line, so that the compiler pairs no malloc() with a delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// 18 departments of mixed areas; every pair rated, the six classes spread over
// the chart; flows between some pairs for the product movement.
void fullproblem(Module1& m) {
    m.ndept = maxdept;
    for (int d = 1; d <= maxdept; ++d)
        m.deptarea[d] = 40 + 17 * ((d * 7) % 11) + 0.5 * (d % 3);
    m.computeareastats();
    const std::array<const char*, 7> codes{"", "A", "E", "I", "O", "U", "X"};
    const std::array<int, 7> weights{0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = codes[k];
        m.relweight[k] = weights[k];
    }
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = i + 1; j <= maxdept; ++j) {
            m.relchart[i][j] = codes[(i * 5 + j * 3) % 6 + 1];
            if ((i + j) % 4 == 0) m.flowmatrix[i][j] = (i * j) % 13 + 1;
        }
    }
    m.computescorevector();
    m.prodflag = 1;
    m.lwratio = 1.5;
    m.drawwidth = 450;
    m.drawheight = 150;
}

// One search from the same seeds every time: 20 layouts, nothing fixed.
void search(Module1& m, double& clock) {
    clock = 36000.25;
    m.hasfixed = 0;
    m.clearlayouts();
    m.nsavedlayouts = 0;
    m.batchmode = 1;
    m.nsearchlayouts = 20;
    m.searchlayouts();
}

void BM_automaticsearch(benchmark::State& state) {
    static Module1 m;
    fullproblem(m);
    double clock = 0;
    m.timer = [&clock] { return clock += 0.37; };
    search(m, clock); // first touches of the tables happen here, not below
    long made = 0;
    for (auto _ : state) {
        const long before = allocations.load();
        search(m, clock);
        made += allocations.load() - before;
        benchmark::DoNotOptimize(m.savedadjscore);
    }
    state.counters["allocations"] =
        benchmark::Counter(double(made), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_automaticsearch)->Unit(benchmark::kMillisecond);

void BM_tablerescore(benchmark::State& state) {
    static Module1 m;
    fullproblem(m);
    double clock = 0;
    m.timer = [&clock] { return clock += 0.37; };
    search(m, clock);
    long made = 0;
    for (auto _ : state) {
        const long before = allocations.load();
        m.rescoresavedlayouts();
        m.ranksavedlayouts();
        made += allocations.load() - before;
        benchmark::DoNotOptimize(m.savedreldist);
    }
    state.counters["allocations"] =
        benchmark::Counter(double(made), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_tablerescore)->Unit(benchmark::kMicrosecond);

} // namespace
