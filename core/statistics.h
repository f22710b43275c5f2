#pragma once
// The statistics pass: hits, current absence and longest absence of the
// fourteen outside-bet rows over the whole history, oldest spin first.
#include <array>

#include "core/numbermodel.h"
#include "core/spinhistory.h"

namespace vintaro {

struct Figures
{
    int hits = 0;
    int current = 0; // spins since the latest hit (the whole history if none)
    int longest = 0; // greatest current absence reached
    bool operator==(const Figures &) const = default;
};

using RowFigures = std::array<Figures, kRowCount>;
using LastPositions = std::array<int, kNumberCount>;

// Runs the pass over positions 1..n. Writes the position of the latest spin of
// every number 1..36 that occurs into `lastPositions`; never clears it and
// never writes element 0. A value outside 0..36 misses every row and touches
// no table.
RowFigures statisticsPass(const SpinHistory &history, int n, LastPositions &lastPositions);

} // namespace vintaro
