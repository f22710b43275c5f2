#!/usr/bin/env python3
"""The reference for `vintaro2011 --analyse FILE`, written as a plain numpy
script: reads the file whole, splits it into tokens at line ends, commas,
semicolons, blanks and tabs, keeps the tokens that are a number 0..36, and
gives per bet (the 14 outside bets, the four wheel sectors and the 37
numbers) the hits, the current absence and the longest absence, and the
chi-square of the 37 counts.

    cpu() { /usr/bin/time -f "%U %S" "$@" >/dev/null; }
    cpu /usr/bin/python3 bench/numpy_analyse.py FILE

Needs python3-numpy (for measuring only; the build does not use it).
"""
import sys

import numpy as np

RED = [1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]
WHEEL = [0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10,
         5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26]


def bets():
    n = range(1, 37)
    out = [[x for x in n if x not in RED], RED, list(range(1, 19)), list(range(19, 37)),
           list(range(1, 13)), list(range(13, 25)), list(range(25, 37)),
           [x for x in n if x % 3 == 1], [x for x in n if x % 3 == 2], [x for x in n if x % 3 == 0],
           [x for x in n if x % 2 == 0], [x for x in n if x % 2 == 1],
           [x for x in n if x % 3 != 0], [x for x in n if x % 3 != 1]]
    arc = lambda first, count: [WHEEL[(WHEEL.index(first) + i) % 37] for i in range(count)]
    voisins, tiers, orphelins = arc(22, 17), arc(27, 12), [1, 20, 14, 31, 9, 17, 34, 6]
    out += [voisins, [12, 35, 3, 26, 0, 32, 15], tiers, orphelins]
    return out + [[x] for x in range(37)]


def main(path):
    data = np.fromfile(path, dtype=np.uint8)
    sep = np.isin(data, np.frombuffer(b"\r\n,; \t", dtype=np.uint8))
    step = np.diff(np.concatenate(([0], (~sep).astype(np.int8), [0])))
    starts, ends = np.flatnonzero(step == 1), np.flatnonzero(step == -1)
    length = ends - starts
    digit = (data >= 48) & (data <= 57)
    nondigit = np.concatenate(([0], np.cumsum(~digit)))
    clean = (nondigit[ends] - nondigit[starts]) == 0
    short = clean & (length <= 2)
    d0 = data[starts[short]].astype(np.int64) - 48
    two = length[short] == 2
    value = np.where(two, d0 * 10 + data[np.minimum(starts[short] + 1, len(data) - 1)] - 48, d0)
    ok = value <= 36
    spins = value[ok]
    junk = len(starts) - len(spins)
    total = len(spins)
    counts = np.bincount(spins, minlength=37)
    print(f"spins {total}, junk {junk}")
    expected = total / 37
    print(f"chi2 {((counts - expected) ** 2 / expected).sum():.2f}")
    for numbers in bets():
        member = np.zeros(37, dtype=bool)
        member[numbers] = True
        hits = np.flatnonzero(member[spins])
        gaps = np.diff(np.concatenate(([-1], hits, [total]))) - 1
        print(len(hits), total - 1 - (hits[-1] if len(hits) else -1), gaps.max())


if __name__ == "__main__":
    main(sys.argv[1])
