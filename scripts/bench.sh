#!/bin/sh
# Builds the benchmarks (Release, no sanitizers) and runs each; the arguments go to every
# benchmark: sh scripts/bench.sh [--benchmark_repetitions=3 ...]
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
benchmarks=$(for source in bench/*.cpp; do basename "$source" .cpp; done)
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARQUETA_BENCH=ON -DMARQUETA_TESTS=OFF >/dev/null
cmake --build build/bench --target $benchmarks
for benchmark in $benchmarks; do
    "build/bench/bench/$benchmark" "$@"
done
