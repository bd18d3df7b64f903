#!/usr/bin/env bash
# Builds the program and the bare-window baseline in release mode and times
# their start-up under a virtual X server (bench/startup.py does the timing).
#   bench/startup.sh [--runs N] [--sizes 10,1000,10000]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNORVANE_BUILD_TESTS=OFF -DNORVANE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j 2 --target norvane startup_minimal_window
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" python3 "$root/bench/startup.py" "$build/bin" "$@"
