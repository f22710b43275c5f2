#!/usr/bin/env python3
"""The reference for `vintaro2011 --simulate`: Martingale on red, 100 000
sessions of at most 1 000 spins, a bankroll of 100 units, table maximum 512,
written as a plain numpy script vectorised over the sessions.

    time /usr/bin/python3 bench/numpy_martingale.py
    time build/program/vintaro2011 --simulate martingale --bet piros \
        --bankroll 100 --table-max 512 --spins 1000 --sessions 100000 --seed 1

Needs python3-numpy (for measuring only; the build does not use it).
"""
import sys

import numpy as np

SESSIONS, SPINS, BANKROLL, TABLE_MAX = 100_000, 1_000, 100, 512
RED = np.zeros(37, dtype=bool)
RED[[1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]] = True


def main(seed=1):
    rng = np.random.default_rng(seed)
    left = np.full(SESSIONS, BANKROLL, dtype=np.int64)
    doubling = np.ones(SESSIONS, dtype=np.int64)  # the system's next stake
    staked = np.zeros(SESSIONS, dtype=np.int64)
    spins = np.zeros(SESSIONS, dtype=np.int64)
    playing = np.ones(SESSIONS, dtype=bool)
    for _ in range(SPINS):
        stake = np.minimum(np.minimum(doubling, TABLE_MAX), left)
        stake = np.where(playing, stake, 0)
        hit = RED[rng.integers(0, 37, size=SESSIONS)]
        left += np.where(hit, stake, -stake)
        staked += stake
        spins += playing
        doubling = np.where(hit, 1, np.minimum(doubling * 2, 1 << 40))
        playing &= left >= 1
    result = left - BANKROLL
    n = SESSIONS
    mean, sd = result.mean(), result.std(ddof=1)
    print(f"sessions ahead {np.mean(result > 0) * 100:.1f} %, ruined {np.mean(left < 1) * 100:.1f} %")
    print(f"mean result {mean:.2f} (95 %: {mean - 1.96 * sd / n ** 0.5:.2f} .. {mean + 1.96 * sd / n ** 0.5:.2f})")
    print(f"-(mean staked)/37 {-staked.mean() / 37:.2f}; mean spins {spins.mean():.1f}")


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 1)
