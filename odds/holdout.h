#pragma once
// What a bet on the most deviant candidate would really earn, in a range that
// stays true however often it is looked at. The candidate (a single number,
// or an arc of neighbouring pockets) is chosen on the first s spins, s the
// largest power of two at most half the history; its hit rate is estimated
// on the spins after them alone, so that choosing the most deviant set does
// not inflate the estimate. s stays put while the history doubles, and the
// range is a confidence sequence: every candidate s draws a share alpha_s of
// the 5 %, the shares over all s adding up to 5 %, and within its share the
// range holds at every spin at once.
//
// The range is the set of rates p that no one-sided test martingale has
// rejected: for the lower end, the mixture over rates above p of the
// likelihood ratio against p, the mixing density a Beta prior cut at p
// (Howard, Ramdas, McAuliffe and Sekhon 2021, the conjugate mixture);
//     M+(p) = [B(a + k, b + m) Q_p(a + k, b + m)] / [B(a, b) Q_p(a, b)] / (p^k (1-p)^m)
// for k hits and m misses, Q the upper tail of the regularised incomplete
// beta, averaged over the priors of the evidence. Under any rate at most p
// it is a nonnegative supermartingale, so by Ville's inequality it ever
// reaches 2 / alpha_s with chance alpha_s / 2 at most. The upper end mirrors
// it. A claim that the bet beats the bank needs the lower end above w / 36;
// on a fair wheel each of the two estimates (number, arc) makes it with
// chance alpha_s / 2 at most, together 5 % at most over a whole session.
#include <cstdint>
#include <optional>

#include "odds/evidence.h"

namespace vintaro {

struct EdgeEstimate
{
    PocketArc arc;                // the candidate, chosen on the first spins
    std::int64_t chosenOn = 0;    // spins it was chosen on
    std::int64_t spins = 0;       // spins since
    std::int64_t hits = 0;        // the candidate's hits since
    // 36 p / w - 1: the player's edge on a straight-up bet spread evenly over
    // the w pockets, p the chance that one of them comes.
    double edge = 0;
    double low = 0, high = 0;     // its range, true at every look
};

// The fair wheel's edge on every bet: 36 / 37 - 1.
inline constexpr double kFairEdge = 36.0 / 37.0 - 1.0;
// The fewest spins a candidate is chosen on; the first estimate comes at
// twice as many.
inline constexpr std::int64_t kEstimateMinimum = 16;
// The chance, over a whole session, that the range ever leaves out the
// truth (either estimate, either end).
inline constexpr double kSequenceAlpha = 0.05;

// The spins the candidate is chosen on in a history of `total` spins: the
// largest power of two at most total / 2, or 0 while that is below
// kEstimateMinimum.
std::int64_t choiceSpins(std::int64_t total);
// The share of kSequenceAlpha of the candidate chosen on `chosenOn` spins:
// 0.05 / (j (j + 1)) for the j-th power of two from kEstimateMinimum on.
double sequenceAlpha(std::int64_t chosenOn);

// log M+ (upper = false) or log M- (upper = true) at rate p, for k hits in n
// spins of a set of `width` pockets.
double logMixtureRatio(std::int64_t k, std::int64_t n, double p, int width, bool upper);
// Whether the lower end of the range of k hits in n spins lies above the
// break-even rate w / 36; cheap when it plainly does not.
bool beatsTheBank(std::int64_t k, std::int64_t n, int width, double alpha);

struct EdgeEstimates
{
    std::optional<EdgeEstimate> number, arc; // empty while the history is too short
};

// `chosen` holds the counts of the first spins the candidate is chosen on.
EdgeEstimates holdOutEstimates(const NumberCounts &chosen, const NumberCounts &whole);
EdgeEstimates holdOutEstimates(const SpinTally &tally);

// The candidates chosen on the first spins, kept from one look to the next:
// they change only when those spins do (twice as many, or another history).
struct HoldOutChoice
{
    NumberCounts chosen{};
    bool valid = false;
    SetEvidence number, arc;
};
EdgeEstimates holdOutEstimates(const SpinTally &tally, HoldOutChoice &kept);

} // namespace vintaro
