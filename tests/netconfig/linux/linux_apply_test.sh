#!/usr/bin/env bash
# Applies profiles for real inside two throwaway network namespaces joined by
# a veth pair: NS holds the interface Norvane changes (nvtest-a), NS-srv the
# other end (nvtest-b), where dnsmasq serves DHCP for the dhcp case. Only
# addresses of 198.18.0.0/15; no other link, so no traffic leaves them.
#   linux_apply_test.sh <linux_apply_tests> <netsh> static|dhcp|refusals|unprivileged
# Exits 77 (skipped) when not root or without network namespaces.
set -u
binary=$1
netsh=$2
case=$3
skipped=77

[ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit $skipped; }
command -v ip >/dev/null || { echo "skipped: no ip command"; exit $skipped; }

ns="norvane-$case-$$"
srv="$ns-srv"
scratch=$(mktemp -d)
ns_id=""
cleanup() {
    for n in "$ns" "$srv"; do
        pids=$(ip netns pids "$n" 2>/dev/null)
        [ -n "$pids" ] && kill $pids 2>/dev/null
        ip netns delete "$n" 2>/dev/null
    done
    rm -rf "/etc/netns/$ns" "$scratch"
    rmdir /etc/netns 2>/dev/null
    # Norvane's state for this namespace (saved resolver file, DHCP pid files).
    if [ -n "$ns_id" ]; then
        rm -f /run/norvane/*-net"$ns_id"
        rmdir /run/norvane 2>/dev/null
    fi
}
trap cleanup EXIT
ip netns add "$ns" 2>/dev/null || { echo "skipped: ip netns unavailable"; exit $skipped; }
ip netns add "$srv" || exit 1
ns_id=$(ip netns exec "$ns" stat -L -c %i /proc/self/ns/net)

fail() { echo "FAILED: $*"; exit 1; }
run() { "$@" || fail "$*"; }
run ip -n "$ns" link add nvtest-a type veth peer name nvtest-b netns "$srv"
run ip -n "$ns" link set lo up
run ip -n "$ns" link set nvtest-a up
run ip -n "$srv" link set nvtest-b up
run ip -n "$ns" addr add 198.18.0.2/24 dev nvtest-a
run ip -n "$ns" route add default via 198.18.0.1 dev nvtest-a

# ip netns exec mounts this file over /etc/resolv.conf inside the namespace.
mkdir -p "/etc/netns/$ns"
original=$'# resolver of the test namespace\nsearch norvane.test\nnameserver 198.18.0.1\noptions edns0'
printf '%s\n' "$original" >"/etc/netns/$ns/resolv.conf"

in_ns() {
    NORVANE_TEST_INTERFACE=nvtest-a NORVANE_TEST_SCRATCH="$scratch" ip netns exec "$ns" "$@"
}
gtest() { # runs the filtered tests, failing when the filter selects none
    local output
    output=$("$@" 2>&1)
    local status=$?
    echo "$output"
    [ $status = 0 ] && grep -q '^\[  PASSED  \] [1-9]' <<<"$output"
}
step() { gtest in_ns "$binary" --gtest_brief=1 --gtest_filter="$1" || fail "$1"; }
addresses() { ip -n "$ns" -4 -o addr show dev nvtest-a | awk '{ print $4 }' | sort | tr '\n' ' '; }
default_route() { ip -n "$ns" -4 route show default | tr -s ' ' | sed 's/ $//'; }
resolver() { cat "/etc/netns/$ns/resolv.conf"; }
clients() { for p in $(ip netns pids "$ns"); do cat "/proc/$p/comm"; done | grep -c dhc; }
expect() { # what, actual, expected
    [ "$2" = "$3" ] || fail "$1: got [$2], expected [$3]"
    echo "ok: $1: $2"
}
resolver_with() { # the original resolver file with these name servers
    printf '# resolver of the test namespace\nsearch norvane.test\n'
    printf 'nameserver %s\n' "$@"
    printf 'options edns0'
}

case $case in
static)
    step Activation.StaticProfile
    expect addresses "$(addresses)" "198.18.1.10/24 "
    expect route "$(default_route)" "default via 198.18.1.1 dev nvtest-a proto static"
    expect resolv.conf "$(resolver)" "$(resolver_with 198.18.1.53 198.18.1.54)"
    step Activation.AnotherStaticProfileTakesOver
    expect addresses "$(addresses)" "198.18.3.20/16 "
    expect route "$(default_route)" "default via 198.18.3.1 dev nvtest-a proto static"
    expect resolv.conf "$(resolver)" "$(resolver_with 198.18.3.53)"
    step Namespace.DnsBackToAutomatic
    expect resolv.conf "$(resolver)" "$original"
    ;;
dhcp)
    command -v dnsmasq >/dev/null || { echo "skipped: no dnsmasq"; exit $skipped; }
    # No DHCP server yet: the connection is switched to DHCP to lose its
    # gateway, then gets its static address.
    step Activation.StaticProfileWithoutGateway
    expect addresses "$(addresses)" "198.18.4.10/24 "
    expect route "$(default_route)" ""
    expect "DHCP clients left asking" "$(clients)" 0
    expect resolv.conf "$(resolver)" "$original"

    run ip -n "$srv" addr add 198.18.2.1/24 dev nvtest-b
    ip netns exec "$srv" dnsmasq --conf-file=/dev/null --keep-in-foreground --port=0 \
        --interface=nvtest-b --bind-interfaces --user=root --group=root \
        --dhcp-range=198.18.2.100,198.18.2.150,255.255.255.0,1h \
        --dhcp-option=option:router,198.18.2.1 --dhcp-option=option:dns-server,198.18.2.53 \
        --dhcp-leasefile="$scratch/dnsmasq.leases" --pid-file="$scratch/dnsmasq.pid" &
    step Activation.DhcpProfile
    got=$(addresses)
    [[ $got =~ ^198\.18\.2\.1[0-5][0-9]/24\ $ ]] || fail "addresses: got [$got], expected a lease of 198.18.2.100-150"
    echo "ok: addresses: $got"
    expect route "$(default_route | cut -d' ' -f1-5)" "default via 198.18.2.1 dev nvtest-a"
    grep -qx 'nameserver 198.18.2.53' "/etc/netns/$ns/resolv.conf" || fail "resolv.conf: $(resolver)"
    echo "ok: resolv.conf names the DHCP server's DNS"
    expect "DHCP clients renewing the lease" "$(clients)" 1

    # A static profile afterwards ends the lease renewals.
    step Activation.StaticProfile
    expect addresses "$(addresses)" "198.18.1.10/24 "
    expect "DHCP clients renewing the lease" "$(clients)" 0
    step Namespace.DhcpProfileGetsItsAddress
    ;;
refusals)
    step 'Namespace/Refused.*:Namespace.Refused*:Namespace.AManaged*:Namespace.AVanished*:Namespace.DhcpNaming*:Namespace.Gateway*:Activation.MissingInterface*'
    expect addresses "$(addresses)" "198.18.0.2/24 "
    expect resolv.conf "$(resolver)" "$original"
    message=$(in_ns "$netsh" interface ip set address "nvmissing0" source=dhcp 2>&1) &&
        fail "netsh on a missing interface succeeded"
    expect "netsh on a missing interface" "$message" 'netsh: unknown connection "nvmissing0"'
    # No DHCP client: every installed one hidden under /dev/null, in the
    # mount namespace of this one command only.
    hide='for c in dhclient udhcpc dhcpcd; do for d in /usr/local/sbin /usr/sbin /sbin /usr/bin /bin; do
              [ -e "$d/$c" ] && mount --bind /dev/null "$d/$c"; done; done; exec "$@"'
    message=$(in_ns sh -c "$hide" sh "$netsh" interface ip set address nvtest-a source=dhcp 2>&1) &&
        fail "netsh without a DHCP client succeeded"
    expect "netsh without a DHCP client" "$message" "netsh: No DHCP client is installed (dhclient, udhcpc or dhcpcd): cannot get an address for nvtest-a"
    expect "addresses kept" "$(addresses)" "198.18.0.2/24 "
    ;;
unprivileged)
    command -v setpriv >/dev/null || { echo "skipped: no setpriv"; exit $skipped; }
    nobody() { in_ns setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
    gtest nobody "$binary" --gtest_brief=1 \
        --gtest_filter='Namespace.UnprivilegedChangesAreDenied:Activation.UnprivilegedIsDenied' ||
        fail "unprivileged run"
    message=$(nobody "$netsh" interface ip set address nvtest-a source=dhcp 2>&1) &&
        fail "netsh without rights succeeded"
    expect "netsh without rights" "$message" "netsh: Access denied: changing the network interface nvtest-a needs root or the CAP_NET_ADMIN capability"
    expect addresses "$(addresses)" "198.18.0.2/24 "
    expect route "$(default_route)" "default via 198.18.0.1 dev nvtest-a"
    expect resolv.conf "$(resolver)" "$original"
    ;;
*)
    fail "unknown case $case"
    ;;
esac
