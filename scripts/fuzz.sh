#!/bin/sh
# Builds the problem-file reader's fuzzer with clang and runs it on a copy of its corpus in
# build/fuzz/corpus, where the inputs it finds stay; the arguments go to libFuzzer:
# sh scripts/fuzz.sh [-max_total_time=SECONDS ...]
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARQUETA_FUZZ=ON -DMARQUETA_TESTS=OFF >/dev/null
cmake --build build/fuzz --target loadproblemfile_fuzz
mkdir -p build/fuzz/corpus
cp fuzz/corpus/* build/fuzz/corpus/
exec build/fuzz/fuzz/loadproblemfile_fuzz -timeout=10 -artifact_prefix=build/fuzz/ "$@" build/fuzz/corpus
