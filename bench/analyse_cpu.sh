#!/bin/sh
# CPU of `vintaro2011 --analyse` on 10 000 000 spins beside its floor (a C
# program that only reads 1 MiB blocks and counts the numbers with SSE2) and
# a numpy peer doing the same job, whole process, user + system time; the
# least of five runs each.
#
#     bench/analyse_cpu.sh [build/program/vintaro2011]
set -eu
program=${1:-build/program/vintaro2011}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -c "
import random
r = random.Random(5)
with open('$work/spins.txt', 'w', newline='') as f:
    f.write('\r\n'.join(str(r.randrange(37)) for _ in range(10_000_000)) + '\r\n')
"
cc -O2 -msse2 -o "$work/floor" "$here/analyse_floor.c"
cpu() { # the least user + system seconds of five runs
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f "%U %S" -o "$work/t" "$@" >/dev/null
        awk '{ printf "%.3f\n", $1 + $2 }' "$work/t"
    done | sort -n | head -n 1
}
floor=$(cpu "$work/floor" "$work/spins.txt")
program_cpu=$(cpu "$program" --analyse "$work/spins.txt")
peer=$(cpu /usr/bin/python3 "$here/numpy_analyse.py" "$work/spins.txt")
echo "floor (C, SSE2):   $floor s"
echo "vintaro --analyse: $program_cpu s  ($(echo "$program_cpu $floor" | awk '{ printf "%.2f", $1 / $2 }') x the floor)"
echo "numpy peer:        $peer s  (vintaro: $(echo "$program_cpu $peer" | awk '{ printf "%.3f", $1 / $2 }') x the peer)"
