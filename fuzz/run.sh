#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each of them.
#   fuzz/run.sh --short      a bounded run for the test command (30 s each)
#   fuzz/run.sh SECONDS      a longer run
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
[ "$seconds" = "--short" ] && seconds=30
build="$root/build-fuzz"
CXX=clang++ CC=clang cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNORVANE_BUILD_GUI=OFF -DNORVANE_BUILD_TESTS=OFF -DNORVANE_BUILD_FUZZERS=ON \
    -DNORVANE_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
shopt -s nullglob
for fuzzer in "$build"/bin/*_fuzzer; do
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "$root/fuzz/seeds/$name" ] && seeds=("$root/fuzz/seeds/$name")
    echo "fuzzing $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "$corpus" "${seeds[@]}" 2>&1 | tail -n 12
done
