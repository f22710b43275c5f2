#!/bin/sh
# The ledger under a real X server (Xvfb), as a player uses it: Ctrl+L opens
# "Napló" over an open session of room 3; clicks on "Piros" and "Voisins du
# zéro" record stakes of 10; spins typed on the X keyboard while the ledger
# window is active go to spin entry and settle them (5: red wins, Voisins
# misses); the ledger file holds them settled on spin 1.
#
#   ledger_x11_test.sh <program folder>      (the build's program/ folder)
#
# Skips (exit 77) where Xvfb, xvfb-run or xdotool is missing.
set -eu

if [ "${1:-}" = "--inside" ]; then
    work=$2
    fail() { echo "FAIL: $*" >&2; cat "$work/naplo3.csv" >&2 || true; kill "$pid" 2>/dev/null || true; exit 1; }
    cd "$work"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home" \
        QT_QPA_PLATFORM=xcb "$work/vintaro2011" >"$work/program.log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Vintaro v1\.0' | head -n 1) ||
        fail "the main window did not appear"
    xdotool mousemove --window "$wid" 600 300
    xdotool windowfocus --sync "$wid" || true
    sleep 0.5
    xdotool key ctrl+l
    nid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Napl' | head -n 1) || fail "Napló did not open"
    [ -n "$nid" ] || fail "Napló did not open"
    sleep 0.5
    # The bet buttons: "Piros" right of "Fekete" in the first row, "Voisins
    # du zéro" on the left below the outside bets.
    xdotool mousemove --window "$nid" 266 245 click 1
    sleep 0.2
    xdotool mousemove --window "$nid" 103 434 click 1
    sleep 0.2
    grep -q '^bet,1,,,,,,,Piros,10,,,,0,' naplo3.csv || fail "no stake on Piros recorded"
    grep -q '^bet,1,,,,,,,Voisins du zéro,10,,,,0,' naplo3.csv || fail "no stake on Voisins recorded"
    xdotool windowfocus --sync "$nid" || true
    xdotool type --delay 80 5
    sleep 0.5
    xdotool type --delay 80 0
    sleep 0.5
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    grep -q '^bet,1,,,,,,,Piros,10,,1,5,0,' naplo3.csv || fail "Piros not settled on the typed 5"
    grep -q '^bet,1,,,,,,,Voisins du zéro,10,,1,5,0,' naplo3.csv || fail "Voisins not settled on the typed 5"
    [ "$(grep -c '^bet,' naplo3.csv)" = 2 ] || fail "the spin 0 without stakes recorded one"
    echo "Ctrl+L, two stakes clicked, 5 and 0 typed into the ledger window: settled on spin 1 as expected"
    exit 0
fi

program=${1:?usage: ledger_x11_test.sh <program folder>}
for tool in Xvfb xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$program"/. "$work"/
rm -f "$work"/terem.txt "$work"/rszamok*.txt "$work"/naplo*.csv "$work"/vintaro.ini
printf '3\r\n' >"$work/terem.txt"
printf 'record,session,start,end,room,place,bankroll_in,bankroll_out,bet,stake,numbers,spin,number,fixed,notes\r\nsession,1,2026-12-07 20:00,,3,,1000,,,,,,,,\r\n' >"$work/naplo3.csv"
xvfb-run -a -s "-screen 0 1600x1000x24" sh "$0" --inside "$work"
