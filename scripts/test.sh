#!/usr/bin/env bash
# Runs the whole test suite: the formatting check, a warnings-as-errors build and an ASan+UBSan build,
# each with every CTest test, then short fuzzing runs, then the Windows build
# under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/format.sh" --check
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

build() { # dir, extra cmake args...
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja -DNORVANE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

build "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVANE_BUILD_BENCHMARKS=ON
(cd "$root/build-test" && ctest --output-on-failure -j "$jobs")

build "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DNORVANE_SANITIZE=ON
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

if [ -x "$root/fuzz/run.sh" ]; then
    "$root/fuzz/run.sh" --short
fi

# Second stage: the Windows build of the non-Qt targets, tested under Wine.
"$root/scripts/windows-tests.sh" "$root/build-windows"
