#!/usr/bin/env bash
# The tray icon on a real notification area: trayer as the area's host, the
# program on a simulated machine, driven with xdotool. Runs on the X server
# that with_xvfb.sh starts for it:
#   with_xvfb.sh tray_e2e.sh PROGRAM [SCREENSHOT]
# Exits 77 (skipped) when there is no X server or the area's host cannot start.
set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
program=$(realpath "$1")
screenshot=${2:+$(realpath "$2")}
[ -n "${DISPLAY:-}" ] || { echo "skipped: no X server"; exit 77; }
for tool in trayer xdotool xwininfo import; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command for up to $1 tenths of a second.
within() {
    local tenths=$1; shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_area() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 32 --SetDockType false --transparent false --tint 0xdddddd \
        >>"$work/trayer.log" 2>&1 &
    area=$!
    pids+=("$area")
    within 50 xdotool search --name '^panel$' >/dev/null
}
start_area || { echo "skipped: trayer did not start"; cat "$work/trayer.log"; exit 77; }

# The icon is the program's window embedded in the area: its size and its
# position on the screen.
icon_line() { xwininfo -root -tree | grep '"Norvane": ("norvane"' | head -1; }
icon_embedded() { [ -n "$(icon_line)" ]; }
icon_gone() { ! icon_embedded; }
open_menu() {
    local line width height x y
    # The toolkit may put its icon into the area afresh just after showing it.
    within 50 icon_embedded || { echo "FAIL: the icon left the area"; exit 1; }
    line=$(icon_line)
    read -r width height x y < <(echo "$line" |
        sed -E 's/.* ([0-9]+)x([0-9]+)\+-?[0-9]+\+-?[0-9]+ +\+(-?[0-9]+)\+(-?[0-9]+).*/\1 \2 \3 \4/')
    [[ "$width $height $x $y" =~ ^[0-9]+\ [0-9]+\ -?[0-9]+\ -?[0-9]+$ ]] ||
        { echo "FAIL: no place for the icon in '$line'"; exit 1; }
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 3
    sleep 0.7
}

cd "$work"
printf '%s\r\n' \
    'ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE' \
    '1,Bureau,Local Area Connection,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,,0,0,3,1' \
    '2,"Maison, ""box""",Wireless Network Connection,7,,,,,,1,1,0,0' >profils.csv
cat >machine.json <<'JSON'
{"adapters": [
  {"Index": 1, "NetConnectionID": "Local Area Connection", "AdapterType": "Ethernet 802.3",
   "Description": "Carte 1", "IPEnabled": true, "DHCPEnabled": false},
  {"Index": 7, "NetConnectionID": "Wireless Network Connection", "AdapterType": "Ethernet 802.3",
   "Description": "Carte 2", "IPEnabled": true, "DHCPEnabled": true}]}
JSON
NORVANE_PLATFORM=simulated NORVANE_SIMULATION="$work/machine.json" \
    NORVANE_JOURNAL="$work/journal.jsonl" XDG_CONFIG_HOME="$work/config" \
    "$program" >"$work/norvane.log" 2>&1 &
norvane=$!
pids+=("$norvane")
within 150 icon_embedded || { echo "FAIL: the icon did not appear"; cat "$work/norvane.log"; exit 1; }

# Right button: the menu; "Profils" opens on its entries, the second is chosen.
# A slow program (a sanitizer build) may not have the menu open in time for
# the keys: asked again then.
applied() { grep -qs '"set","address","Wireless Network Connection","source=dhcp"' journal.jsonl; }
for _ in 1 2 3; do
    open_menu
    xdotool key Down Right
    sleep 0.5
    xdotool key Down Return
    within 30 applied && break
    xdotool key Escape Escape Escape
done
applied || { echo "FAIL: choosing the second profile applied nothing"; exit 1; }

# The check mark moved to it: shown in the screenshot, and in the file below.
open_menu
xdotool key Down Right
sleep 0.5
if [ -n "$screenshot" ]; then
    import -window root -crop 320x120+960+904 +repage "$screenshot"
fi
xdotool key Escape Escape
sleep 0.3

# A new area (the host restarted) gets the icon again.
kill "$area"
within 50 icon_gone || { echo "FAIL: the icon outlived its area"; exit 1; }
start_area || { echo "FAIL: trayer did not start again"; exit 1; }
within 100 icon_embedded || { echo "FAIL: the icon did not come back to the new area"; exit 1; }

# "Quitter", the last entry, ends the program, which saves the profiles. The
# new area may still be laying its icons out: asked again if need be.
ended() { ! kill -0 "$norvane" 2>/dev/null; }
for _ in 1 2 3; do
    sleep 1
    open_menu
    xdotool key Up Return
    within 50 ended && break
done
ended || { echo "FAIL: Quitter did not end the program"; exit 1; }
active=$(tail -n +2 profils.csv | tr -d '\r' | awk -F, '{print $NF}' | tr '\n' ' ')
[ "$active" = "0 1 " ] || { echo "FAIL: active marks are '$active'"; cat profils.csv; exit 1; }
echo "tray: icon shown, profile switched from its menu, icon back on a new area, quit"
