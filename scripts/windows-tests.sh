#!/usr/bin/env bash
# The Windows stage: cross-builds every target that needs no Qt with
# MinGW-w64 and runs the tests under Wine, inside a network namespace whose
# two adapters the backend tests expect to find.
#   scripts/windows-tests.sh [build directory]     (default: build-windows)
# Needs root (packages, network namespace); skips with a message otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
wine=/usr/lib/wine/wine64

if [ "$(id -u)" != 0 ]; then
    echo "windows-tests: skipped, needs root for the packages and the network namespace"
    exit 0
fi

stamp() { date +%s; }
t0=$(stamp)
"$root/scripts/install-deps.sh"
t1=$(stamp)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DNORVANE_BUILD_GUI=OFF -DNORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
t2=$(stamp)

# The namespace holds lo and two veth ends; their peers sit in a second
# namespace, so nothing of the machine's own network is touched. Addresses
# only from the benchmarking range 198.18.0.0/15.
ns=norvane-wine-$$
peer=norvane-peer-$$
prefix=$(mktemp -d /tmp/norvane-wine.XXXXXX)
cleanup() {
    ip netns pids "$ns" 2>/dev/null | xargs -r kill 2>/dev/null || true
    ip netns delete "$ns" 2>/dev/null || true
    ip netns delete "$peer" 2>/dev/null || true
    rm -rf "$prefix" "/etc/netns/$ns"
}
trap cleanup EXIT
ip netns add "$ns"
ip netns add "$peer"
# Name lookups answer at once (refused on lo) instead of timing out towards
# the machine's own servers, which the namespace cannot reach.
mkdir -p "/etc/netns/$ns"
echo "nameserver 127.0.0.1" >"/etc/netns/$ns/resolv.conf"
in_ns() { ip netns exec "$ns" "$@"; }
expected=""
for n in 0 1; do
    ip link add "nvw$n" netns "$ns" type veth peer name "nvp$n" netns "$peer"
    in_ns ip addr add "198.18.$n.2/24" dev "nvw$n"
    in_ns ip link set "nvw$n" up
    ip netns exec "$peer" ip addr add "198.18.$n.1/24" dev "nvp$n"
    ip netns exec "$peer" ip link set "nvp$n" up
    index=$(in_ns cat "/sys/class/net/nvw$n/ifindex")
    expected="$expected${expected:+;}nvw$n,$index,198.18.$n.2"
done
in_ns ip link set lo up
in_ns ip route add default via 198.18.0.1 dev nvw0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" DISPLAY=
export NORVANE_EXPECTED_ADAPTERS=$expected
in_ns "$wine" wineboot --init >/dev/null 2>&1
t3=$(stamp)
status=0
in_ns ctest --test-dir "$build" --output-on-failure -j "$(nproc)" || status=$?
in_ns /usr/lib/wine/wineserver -k 2>/dev/null || true
t4=$(stamp)

echo "windows-tests: packages $((t1 - t0)) s, cross build $((t2 - t1)) s," \
     "wineboot $((t3 - t2)) s, tests under Wine $((t4 - t3)) s"
exit $status
