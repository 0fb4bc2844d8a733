#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMARQUETA_SANITIZE=ON >/dev/null
cmake --build build/test
cd build/test
ctest --output-on-failure -j "$(nproc)" --timeout 300
