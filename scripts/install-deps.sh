#!/usr/bin/env bash
# Installs every Debian package Norvane needs to build, run and test.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v '^#' "$here/packages.txt" | tr '\n' ' ')
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=$(dpkg-query -W -f='${Package} ${Status}\n' $packages 2>/dev/null | grep -v 'install ok installed' | cut -d' ' -f1 || true)
missing="$missing $(for p in $packages; do dpkg-query -W "$p" >/dev/null 2>&1 || echo "$p"; done)"
if [ -n "${missing// /}" ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $packages
fi
