#!/bin/sh
# CPU per spin of the real program under a real X server (Xvfb + openbox):
# 32 536 spins loaded with "  Start", the wheel, odds and systems windows
# open beside the main window, then 200 spins typed on the X keyboard
# (32 536 -> 32 736). The program's CPU time (all threads, user + system)
# comes from /proc/PID/stat before and after, less what it burns idle.
#
#   bench/live_spins_x11.sh [program folder]      (default: build/program)
#
# Leaves a screenshot of the screen after the spins in $SHOT (default
# /tmp/live_spins_after.png): "Össz. pörgetés" should read 32736.
set -eu

if [ "${1:-}" = "--inside" ]; then
    work=$2
    cd "$work"
    command -v openbox >/dev/null 2>&1 && { openbox >/dev/null 2>&1 & }
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home" \
        QT_QPA_PLATFORM=xcb "$work/vintaro2011" >"$work/program.log" 2>&1 &
    pid=$!
    ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
    hz=$(getconf CLK_TCK)
    # Waits until the program has used no CPU for a second.
    settle() {
        last=$(ticks)
        while sleep 1; do
            now=$(ticks)
            [ "$now" -eq "$last" ] && break
            last=$now
        done
    }
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name 'Vintaro v1\.0' | head -n 1)
    sleep 5 # the companions open and take their places
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    bar=$((HEIGHT - 474))
    xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid" || true
    xdotool mousemove --window "$wid" 20 $((bar / 2)) click 1 # "  Start": 32 536 spins
    settle
    for name in 'Kerék' 'Esélyek' 'Tétrendszerek'; do
        xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 || echo "note: no window named $name is shown"
    done
    xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid" || true
    xdotool mousemove --window "$wid" 600 $((bar + 300))
    # Idle: what the program uses with nothing to do, for ten seconds.
    i0=$(ticks); sleep 10; i1=$(ticks)
    before=$(ticks)
    start=$(date +%s.%N)
    n=0
    while [ $n -lt 200 ]; do
        xdotool type --delay 40 "$((10 + n % 27))" # two digits: one spin each
        n=$((n + 1))
    done
    settle
    after=$(ticks)
    end=$(date +%s.%N)
    # A picture to check that every spin went in ("Össz. pörgetés" 32736).
    xdotool windowraise "$wid"
    sleep 0.5
    import -window root "$work/after.png" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v a="$before" -v b="$after" -v i0="$i0" -v i1="$i1" -v s="$start" -v e="$end" -v hz="$hz" 'BEGIN {
        idle = (i1 - i0) / hz / 10 * (e - s)
        cpu = (b - a) / hz
        printf "200 spins at 32 536 -> 32 736: %.2f s CPU in %.1f s (idle share %.2f s)\n", cpu, e - s, idle
        printf "CPU per spin: %.1f ms\n", (cpu - idle) * 1000 / 200
    }'
    exit 0
fi

program=${1:-build/program}
for tool in Xvfb xvfb-run xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
shot=${SHOT:-/tmp/live_spins_after.png}
trap 'cp "$work/after.png" "$shot" 2>/dev/null && echo "screenshot after the spins: $shot"; rm -rf "$work"' EXIT
cp -R "$program"/. "$work"/
rm -f "$work"/terem.txt "$work"/rszamok*.txt "$work"/vintaro.ini
# 32 536 spins as the program writes them; the companions open at start.
awk 'BEGIN { s = 12345; for (i = 0; i < 32536; i++) { s = (s * 1103515245 + 12345) % 4294967296;
     printf "%2d\r\n", int(s / 65536) % 37 } }' >"$work/rszamok.txt"
printf '[Kerek]\nopen=true\n[Eselyek]\nopen=true\n[Rendszerek]\nopen=true\n' >"$work/vintaro.ini"
xvfb-run -a -s "-screen 0 1920x1080x24" sh "$0" --inside "$work"
