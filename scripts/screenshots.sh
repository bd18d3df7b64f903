#!/usr/bin/env bash
# Takes the main window and about box screenshots in docs/screenshots/ under a
# virtual X server, with the two profiles of the file format's worked example
# (the first one active) on a simulated machine.
#   scripts/screenshots.sh [BUILD_DIR]        (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "${1:-$root/build}" && pwd)/bin/norvane
out="$root/docs/screenshots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%s\r\n' \
    'ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE' \
    '1,Bureau,Local Area Connection,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,,0,0,3,1' \
    '2,"Maison, ""box""",Wireless Network Connection,7,,,,,,1,1,0,0' >"$work/profils.csv"
cat >"$work/machine.json" <<'JSON'
{"adapters": [
  {"Index": 1, "NetConnectionID": "Local Area Connection", "AdapterType": "Ethernet 802.3",
   "Description": "Carte 1", "IPEnabled": true, "DHCPEnabled": false},
  {"Index": 7, "NetConnectionID": "Wireless Network Connection", "AdapterType": "Ethernet 802.3",
   "Description": "Carte 2", "IPEnabled": true, "DHCPEnabled": true}]}
JSON

cat >"$work/shoot.sh" <<SHOOT
#!/usr/bin/env bash
set -euo pipefail
cd "$work"
NORVANE_PLATFORM=simulated NORVANE_SIMULATION="$work/machine.json" \
    NORVANE_JOURNAL="$work/journal.jsonl" "$program" >/dev/null 2>&1 &
pid=\$!
trap 'kill \$pid 2>/dev/null || true' EXIT
for _ in \$(seq 50); do
    main=\$(xdotool search --name '^Norvane \[v 1\.7\]\$' 2>/dev/null | head -1) && [ -n "\$main" ] && break
    sleep 0.2
done
sleep 1
import -window "\$main" "$out/main-window.png"
# The logo in the command bar opens the about box.
xdotool mousemove --window "\$main" 100 417 click 1
sleep 1.5
about=\$(xdotool search --name '^A propos\$' | head -1)
import -window "\$about" "$out/about.png"
SHOOT
chmod +x "$work/shoot.sh"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/shoot.sh"
echo "wrote $out/main-window.png and $out/about.png"
