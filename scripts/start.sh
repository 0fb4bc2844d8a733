#!/bin/sh
# Builds both programs and starts one: sh scripts/start.sh [storeyone|storeymany]
set -e
cd "$(dirname "$0")/.."
program="${1:-storeyone}"
sh scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARQUETA_TESTS=OFF >/dev/null
cmake --build build/release --target storeyone storeymany
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display is set: $program runs in an invisible virtual display (xvfb-run); stop it with Ctrl+C, or set DISPLAY to see its windows."
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "build/release/$program"
fi
exec "build/release/$program"
