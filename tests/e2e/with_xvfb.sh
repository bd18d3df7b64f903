#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, the widgets on it through
# the xcb platform and no session bus.
#   with_xvfb.sh COMMAND [ARGS...]
# Exits 77 (skipped) when Xvfb is missing or does not start.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is missing"; exit 77; }
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "skipped: Xvfb did not start"; exit 77; }
export DISPLAY=:$(head -1 "$work/display")
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
"$@"
