#!/bin/sh
# The real program under a real X server (Xvfb), typed into on the X keyboard
# as a player types: a 0 before anything else is a spin, not a room number;
# a click into the room box and "3" Enter choose room 3; then 17, 5, Enter
# are spins; a click on "Mentés" saves them. The saved list is the history.
#
#   keyboard_x11_test.sh <program folder>      (the build's program/ folder)
#
# Skips (exit 77) where Xvfb, xvfb-run or xdotool is missing.
set -eu

if [ "${1:-}" = "--inside" ]; then
    work=$2
    fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }
    cd "$work"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home" \
        QT_QPA_PLATFORM=xcb "$work/vintaro2011" >"$work/program.log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Vintaro v1\.0' | head -n 1) ||
        fail "the main window did not appear"
    [ -n "$wid" ] || fail "the main window did not appear"
    # The client area is 790 x 474 below the menu bar.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    bar=$((HEIGHT - 474))
    xdotool mousemove --window "$wid" 600 $((bar + 300))
    xdotool windowfocus --sync "$wid" || true
    sleep 0.5

    xdotool type --delay 80 0                                  # a spin
    xdotool mousemove --window "$wid" 418 $((bar + 73)) click 1 # the room box Text1
    sleep 0.3
    xdotool type --delay 80 3
    xdotool key Return                                         # keys back to spin entry
    xdotool type --delay 80 17
    xdotool type --delay 80 5
    xdotool key Return
    sleep 0.3
    xdotool mousemove --window "$wid" 277 $((bar + 451)) click 1 # "Mentés"

    i=0
    while [ ! -s "$work/rszamok3.txt" ] && [ $i -lt 50 ]; do sleep 0.2; i=$((i + 1)); done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -f "$work/rszamok3.txt" ] || fail "nothing saved for room 3: $(ls "$work" | tr '\n' ' ')"
    expected=$(printf ' 0\r\n17\r\n 5\r\n' | od -An -c)
    got=$(od -An -c <"$work/rszamok3.txt")
    [ "$got" = "$expected" ] || fail "rszamok3.txt holds:$got"
    [ "$(od -An -c <"$work/terem.txt")" = "$(printf '3\r\n' | od -An -c)" ] || fail "terem.txt is not 3"
    [ ! -e "$work/rszamok10.txt" ] && [ ! -e "$work/rszamok30.txt" ] || fail "a digit went into the room box"
    echo "typed on the X keyboard: 0, room 3, 17, 5, Enter; saved as expected"
    exit 0
fi

program=${1:?usage: keyboard_x11_test.sh <program folder>}
for tool in Xvfb xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$program"/. "$work"/
rm -f "$work"/terem.txt "$work"/rszamok*.txt "$work"/vintaro.ini
xvfb-run -a -s "-screen 0 1600x1000x24" sh "$0" --inside "$work"
