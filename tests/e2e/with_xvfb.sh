#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, the widgets on it through
# the xcb platform and no session bus.
#   with_xvfb.sh COMMAND [ARGS...]
# Exits 77 (skipped) when Xvfb is missing or does not start; otherwise with
# the command's own status.
set -euo pipefail
for tool in Xvfb xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
server=
stop_server() {
    [ -n "$server" ] || return 0
    kill "$server" 2>/dev/null || true
    # Waited for, so that its display is free again once we return.
    wait "$server" 2>/dev/null || true
    server=
}
trap 'stop_server; rm -rf "$work"' EXIT

# The display is tried before use, and the server started again if need be.
# Without -noreset the server starts afresh whenever its last client leaves
# and turns away whoever connects meanwhile.
start_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
        2>>"$work/xvfb.log" &
    server=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || return 1
    DISPLAY=:$(head -1 "$work/display")
    export DISPLAY
    for _ in $(seq 20); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
for _ in 1 2 3; do
    start_server && break
    stop_server
done
[ -n "$server" ] || { echo "skipped: Xvfb did not start"; cat "$work/xvfb.log"; exit 77; }

export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
"$@"
