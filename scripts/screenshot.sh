#!/bin/sh
# Starts the program under a virtual display and saves a screenshot of it.
# Usage: scripts/screenshot.sh <program folder> <out.png> [seconds]
set -eu
folder=$1; out=$2; wait=${3:-3}
xvfb-run -a -s "-screen 0 1024x700x24" sh -c "
  '$folder/vintaro2011' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid" 
