#!/usr/bin/env bash
# Installs what is needed, builds Norvane and starts it. Without a display it
# starts it under a virtual X server (Xvfb) and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build"
cd "$root/build/bin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Norvane under Xvfb (virtual X server)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./norvane "$@"
fi
exec ./norvane "$@"
