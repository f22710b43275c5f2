#pragma once
// The hit series of the chart: one point per spin, oldest first, 1 when the
// spin was a hit for the chosen option and 0 when it was not.
#include <cstdint>
#include <span>
#include <vector>

#include "core/selection.h"
#include "core/spinhistory.h"

namespace vintaro {

// Options 0..13 stand beside the fourteen outside-bet rows; option 14 charts
// the numbers selected on the selection grid.
constexpr int kChartOptionCount = 15;
constexpr int kSelectedNumbersOption = 14;

// The chart holds at most this many points, one per spin.
constexpr int kChartCapacity = SpinHistory::kCapacity;

// Whether a spin of `number` is a hit for `option`. Options 0..13 follow the
// outside-bet rows, except that a 0 counts as black, low, in the first
// third, in column D, even and in "Oszlop  M D". An option outside 0..14,
// or a value outside 0..36, hits nothing.
bool isChartHit(int option, int number, const Selection &selection);

// One point per spin, point 1 the oldest. A longer list keeps its newest
// kChartCapacity spins.
std::vector<std::int16_t> chartSeries(std::span<const std::int16_t> spins, int option,
                                      const Selection &selection);

} // namespace vintaro
