// Cost of one automatic partition, both constructions with their balancing
// and improvement and the choice: 18 departments, every pair rated.

#include "model/module1.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<Module1> fullproblem() {
    auto m = std::make_unique<Module1>();
    m->ndept = maxdept;
    const char* letters[] = {"A", "E", "I", "O", "U", "X"};
    const double weights[] = {10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k) {
        m->relcode[k] = letters[k - 1];
        m->relweight[k] = weights[k - 1];
    }
    for (int d = 1; d <= maxdept; ++d) {
        m->deptname[d] = "Dept";
        m->deptarea[d] = 40 + 17 * ((d * 7) % 11) + 0.5 * (d % 3);
        // Every pair rated, the classes spread over the chart.
        for (int j = d + 1; j <= maxdept; ++j)
            m->relchart[d][j] = letters[(d * 5 + j * 3) % 6];
    }
    m->computeareastats();
    m->computescorevector();
    m->orderpairsbyrating();
    m->sortdeptsbyarea();
    return m;
}

void BM_automaticpartition(benchmark::State& state) {
    auto m = fullproblem();
    const int stories = int(state.range(0));
    const double factor = double(state.range(1)) / 10;
    for (auto _ : state) {
        m->nstories = stories;
        m->desiredadf = factor;
        m->automaticpartition();
        benchmark::DoNotOptimize(m->partscore);
        benchmark::ClobberMemory();
    }
    state.counters["score"] = m->partscore;
}
// 6 stories with factor 0.1, 3 stories with factor 0.5.
BENCHMARK(BM_automaticpartition)->Args({6, 1})->Args({3, 5})->Unit(benchmark::kMicrosecond);

} // namespace
