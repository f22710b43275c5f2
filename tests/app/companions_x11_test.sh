#!/bin/sh
# The wheel, odds and systems windows beside the main window under a real
# window manager (openbox on Xvfb), on the screens players use: 1366 x 768,
# 1600 x 900, 1920 x 1080, 2560 x 1440, and 1920 x 1080 at a scale of 1.5.
# Each opens the three in every order and checks, with the frames the window
# manager drew, that the whole main window stays in view and every companion
# stands whole on the screen; then starts the program again with the three
# marked open, first at their remembered places, then with no places at all
# (they open before the window manager has put the main window).
#
#   companions_x11_test.sh <window_tests executable> [screenshot folder]
#
# Skips (exit 77) where Xvfb, xvfb-run, openbox or xprop is missing.
set -eu

test_name=CompanionWindowsTest.UnderAWindowManagerTheMainWindowStaysInView

if [ "${1:-}" = "--inside" ]; then
    tests=$2
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    i=0
    while ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        i=$((i + 1))
        [ $i -lt 300 ] || { echo "FAIL: openbox did not start" >&2; exit 1; }
        sleep 0.1
    done
    status=0
    QT_QPA_PLATFORM=xcb "$tests" --gtest_filter="$test_name" >"$3" 2>&1 || status=$?
    kill "$wm" 2>/dev/null || true
    exit $status
fi

tests=${1:?usage: companions_x11_test.sh <window_tests executable> [screenshot folder]}
shots=${2:-}
for tool in Xvfb xvfb-run openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
log=$(mktemp)
trap 'rm -f "$log"' EXIT
failed=0
for screen in 1366x768 1600x900 1920x1080 2560x1440 1920x1080@1.5; do
    size=${screen%@*}
    scale=1
    [ "$size" = "$screen" ] || scale=${screen#*@}
    if VINTARO_SCREENSHOTS=$shots QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 ${size}x24" sh "$0" --inside "$tests" "$log" &&
        grep -q '\[  PASSED  \] 1 test' "$log"; then
        echo "$screen: the main window stays in view"
    else
        echo "FAIL at $screen:" >&2
        cat "$log" >&2
        failed=1
    fi
done
exit $failed
