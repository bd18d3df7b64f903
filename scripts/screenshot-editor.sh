#!/usr/bin/env bash
# Takes docs/screenshots/editor.png: the program on the example simulated
# machine under Xvfb, its first (static) profile opened with a double click.
# Usage: scripts/screenshot-editor.sh [build directory]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/examples/simulated-machine.json" "$work/machine.json"
printf '%s\r\n' \
    "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE" \
    "1,Bureau,Connexion au réseau local,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,9.9.9.9,0,0,3,1" \
    "2,Maison,Wi-Fi,7,,,,,,1,1,5,0" >"$work/profils.csv"

cat >"$work/shoot.sh" <<SHOOT
#!/usr/bin/env bash
set -euo pipefail
cd "$work"
NORVANE_PLATFORM=simulated NORVANE_SIMULATION="$work/machine.json" \
    NORVANE_JOURNAL="$work/journal.jsonl" "$build/bin/norvane" &
program=\$!
trap 'kill \$program 2>/dev/null || true' EXIT
main=\$(xdotool search --sync --name 'Norvane \[v' | head -1)
sleep 1
# The first profile's icon in the list.
xdotool mousemove --window "\$main" 272 105 click --repeat 2 --delay 80 1
editor=\$(xdotool search --sync --name 'Protocole Internet' | head -1)
sleep 1
import -window "\$editor" "$root/docs/screenshots/editor.png"
SHOOT
chmod +x "$work/shoot.sh"
mkdir -p "$root/docs/screenshots"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/shoot.sh"
echo "docs/screenshots/editor.png written"
