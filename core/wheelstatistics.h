#pragma once
// The wheel's statistics: hits, current and longest absence of any set of
// pockets (a sector, a pocket with its neighbours) over the history, counted
// like the outside bets, and the heat of every pocket.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/statistics.h"
#include "core/wheel.h"

namespace vintaro {

using Spins = std::span<const std::int16_t>; // oldest first
using PocketValues = std::array<int, kNumberCount>;

// One pass over `spins` for every set: hits, spins since the latest hit (the
// whole history if none) and the greatest such absence reached. A value
// outside 0..36 misses every set. At most 32 sets.
std::vector<Figures> setFigures(Spins spins, std::span<const NumberSet> sets);

// Hits of every number among the newest `window` spins (all of them when
// `window` is 0 or reaches past the history).
PocketValues recentHits(Spins spins, int window);

// Spins since every number last came (the whole history if it never came).
PocketValues currentAbsences(Spins spins);

} // namespace vintaro
