#!/bin/sh
# Starts the program under a virtual display and saves a screenshot of it.
# Usage: scripts/screenshot.sh <program folder> <out.png> [seconds]
#
# The manual's pictures (docs/manual/images/; the English ones in images/en/),
# taken of the program's own windows by the build's vintaro_manual_pictures:
#   scripts/screenshot.sh --manual <build folder> [hu|en] [picture folder]
# writes form1.png, interval5.png, diagramm.png, kerek.png, eselyek.png,
# rendszerek.png, naplo.png, elozmeny.png, info.png and kezikonyv.png; rebuild afterwards, and the
# built-in manual, the package's HTML copy and README's links show them.
set -eu
if [ "${1:-}" = "--manual" ]; then
    build=$2; language=${3:-hu}
    default=$(dirname "$0")/../docs/manual/images
    [ "$language" = en ] && default=$default/en # the English pages show the English interface
    out=${4:-$default}
    mkdir -p "$out"
    # The same size and font as the main screenshot; no window manager, so
    # each picture is a window without its frame.
    xvfb-run -a -s "-screen 0 1600x1000x24" \
        "$build/docs/manual/vintaro_manual_pictures" "$build/program" "$out" "$language"
    exit
fi
folder=$1; out=$2; wait=${3:-3}
xvfb-run -a -s "-screen 0 1024x700x24" sh -c "
  '$folder/vintaro2011' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid" 
