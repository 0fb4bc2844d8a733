// Cost of one layout evaluation, the step the automatic search repeats after
// every random layout and every trial exchange: 18 departments, every pair
// rated.

#include "model/module1.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

Module1 fullproblem() {
    Module1 m;
    m.ndept = maxdept;
    double total = 0;
    for (int d = 1; d <= maxdept; ++d) {
        m.deptarea[d] = 40 + 17 * ((d * 7) % 11) + 0.5 * (d % 3);
        total = total + m.deptarea[d];
    }
    m.totalarea = total;
    m.lwratio = 1.5;
    m.layoutwidth = std::sqrt(total / 1.5);
    m.layoutlength = m.layoutwidth * 1.5;
    m.drawwidth = 540;
    m.drawheight = 150;
    const std::array<int, 7> weights{0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k)
        m.relweight[k] = weights[k];
    // Every pair rated, the classes spread over the chart.
    int at = 0;
    for (int k = 1; k <= 6; ++k) {
        for (int i = 1; i <= maxdept; ++i) {
            for (int j = i + 1; j <= maxdept; ++j) {
                if ((i * 5 + j * 3) % 6 + 1 != k) continue;
                m.nrelpairs[k] += 1;
                m.relpairs[k][m.nrelpairs[k]] = 100 * i + j;
                m.relvalue[i][j] = m.relvalue[j][i] = weights[k];
                m.relvaluelist[++at] = weights[k];
            }
        }
    }
    m.timer = [] { return 36000.5; };
    m.randomlayout();
    return m;
}

void BM_evallayout(benchmark::State& state) {
    Module1 m = fullproblem();
    for (auto _ : state) {
        m.evallayout();
        benchmark::DoNotOptimize(m.adjscore);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_evallayout);

// As the search sees it: a different layout on every call, so that no branch
// predictor learns one layout's adjacencies. Includes copying the zones in.
void BM_evallayout_varied(benchmark::State& state) {
    Module1 m = fullproblem();
    struct Zones {
        Table<int, 10> left, right;
        Table<double, 10> area;
    };
    std::array<Zones, 64> layouts{};
    for (std::size_t q = 0; q < layouts.size(); ++q) {
        m.timer = [q] { return 1000.0 + double(q); };
        m.zoneleft = m.zoneright = {};
        m.zonearea = {};
        m.deptpos = {};
        m.randomlayout();
        layouts[q] = {m.zoneleft, m.zoneright, m.zonearea};
    }
    std::size_t q = 0;
    for (auto _ : state) {
        const Zones& z = layouts[q++ % layouts.size()];
        m.zoneleft = z.left;
        m.zoneright = z.right;
        m.zonearea = z.area;
        m.evallayout();
        benchmark::DoNotOptimize(m.adjscore);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_evallayout_varied);

// The whole rescoring chain of one saved layout: evaluation, distances,
// relationship-distance score and product movement.
void BM_evallayout_and_distances(benchmark::State& state) {
    Module1 m = fullproblem();
    m.prodflag = 1;
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = i + 1; j <= maxdept; ++j)
            m.flowmatrix[i][j] = (i * j) % 13;
    }
    for (auto _ : state) {
        m.evallayout();
        m.calcdeptdistances();
        benchmark::DoNotOptimize(m.reldist);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_evallayout_and_distances);

} // namespace
