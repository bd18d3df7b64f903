#!/usr/bin/env bash
# Runs the Linux backend's listing test inside a network namespace of its own
# holding one veth pair, and removes the namespace whatever happens.
#   linux_netns_test.sh <linux_backend_tests binary>
# Exits 77 (skipped) when not root or when network namespaces are unavailable.
set -u
binary=$1
skipped=77

[ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit $skipped; }
command -v ip >/dev/null || { echo "skipped: no ip command"; exit $skipped; }

ns="norvane-test-$$"
ip netns add "$ns" 2>/dev/null || { echo "skipped: ip netns unavailable"; exit $skipped; }
trap 'ip netns delete "$ns" 2>/dev/null' EXIT
in_ns() { ip netns exec "$ns" "$@"; }

# Only addresses of the benchmarking range 198.18.0.0/15.
in_ns ip link add nvtest-a type veth peer name nvtest-b || exit 1
in_ns ip addr add 198.18.0.1/24 dev nvtest-a || exit 1
in_ns ip link set nvtest-a up || exit 1
in_ns ip link set nvtest-b up || exit 1
in_ns ip route add default via 198.18.0.254 dev nvtest-a || exit 1
in_ns ip link set nvtest-b down || exit 1

# "index:name" of every interface but loopback, as the kernel numbers them here.
expected=$(in_ns ip -o link show | awk -F': ' '$2 != "lo" { split($2, n, "@"); printf "%s%s:%s", sep, $1, n[1]; sep = "," }')

NORVANE_EXPECTED_INTERFACES="$expected" in_ns "$binary" --gtest_filter='LinuxNetwork.*'
