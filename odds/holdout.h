#pragma once
// What a bet on the strongest candidate would really earn: the candidate (a
// single number, or an arc of neighbouring pockets) chosen on the first half
// of the history, its player's edge estimated on the second half alone, so
// that choosing the hottest set does not inflate the estimate.
#include <cstdint>
#include <optional>

#include "odds/evidence.h"

namespace vintaro {

struct EdgeEstimate
{
    PocketArc arc;                // the candidate, chosen on the first half
    std::int64_t chosenOn = 0;    // spins of the first half
    std::int64_t spins = 0;       // spins of the second half
    std::int64_t hits = 0;        // the candidate's hits in the second half
    // 36 p / w - 1: the player's edge on a straight-up bet spread evenly over
    // the w pockets, p the chance that one of them comes.
    double edge = 0;
    double low = 0, high = 0;     // its 95 % interval (Clopper–Pearson on p)
};

// The fair wheel's edge on every bet: 36 / 37 - 1.
inline constexpr double kFairEdge = 36.0 / 37.0 - 1.0;
// Spins of each half at least before an estimate is made.
inline constexpr std::int64_t kEstimateMinimum = 10;

struct EdgeEstimates
{
    std::optional<EdgeEstimate> number, arc; // empty while the halves are too short
};

EdgeEstimates holdOutEstimates(const NumberCounts &firstHalf, const NumberCounts &whole);
EdgeEstimates holdOutEstimates(const SpinTally &tally);

} // namespace vintaro
