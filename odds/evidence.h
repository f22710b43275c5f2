#pragma once
// Evidence against a fair wheel that stays valid however often it is looked
// at: an e-value. Each simple alternative says that one set of pockets (a
// single number, or an arc of 3, 5, 9, 13 or 18 neighbouring pockets) comes
// with a chance p of its own, the pockets inside and outside the set sharing
// their chances evenly; a Beta prior on p, centred on the fair chance w/37,
// makes its Bayes factor against the fair wheel a closed form:
//     B(a + k, b + n - k) / B(a, b) / (p0^k q0^(n-k))
// for k hits of the set in n spins. Each Bayes factor is a test martingale
// under a fair wheel, and so is any fixed average of them; by Ville's
// inequality a fair wheel ever reaches E >= 1/alpha with chance alpha at most,
// whenever and however often the player looks.
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "odds/tally.h"

namespace vintaro {

// The widths of the sets: 1 is a single number, the rest arcs of the wheel.
inline constexpr std::array<int, 6> kEvidenceWidths = {1, 3, 5, 9, 13, 18};
inline constexpr int kEvidenceSets = int(kEvidenceWidths.size()) * kNumberCount;

// One set of pockets: `width` neighbours on the wheel from wheel position
// `start` on (kWheelOrder).
struct PocketArc
{
    int width = 1;
    int start = 0;
    bool contains(int number) const;
    int centre() const; // the middle pocket's number
    NumberSet numbers() const;
};

// The prior of every set: its weight in the average (a half for the single
// numbers, a tenth for each width of arc, spread evenly over the 37 sets) and
// a few concentrations c of Beta(c p0, c q0), each with an equal share.
struct EvidencePrior
{
    static double weight(int width);
    static std::vector<double> concentrations(int width);
};

struct SetEvidence
{
    PocketArc arc;
    std::int64_t hits = 0;
    double expected = 0; // n w / 37
    double logFactor = 0; // log of the set's mixture Bayes factor
    double logShare = 0;  // log of its weighted part of E
};

struct Evidence
{
    std::int64_t spins = 0;
    double logE = 0;      // log of the average
    SetEvidence strongest; // the set whose share of E is largest
    double value() const;
};

// What one look at the evidence keeps for the next: each set's log gamma
// terms of its hits and of its misses, for those counts. A spin changes one
// of the two for every set, so the other is taken from here; the figures are
// the same to the last bit as without it.
struct EvidenceMemo
{
    struct Set
    {
        std::int64_t hits = -1, misses = -1;
        std::array<double, 4> hitTerms{}, missTerms{};
    };
    std::array<Set, kEvidenceSets> sets{};
};

// The Bayes factor of every set, in the order of kEvidenceWidths, then start.
std::vector<SetEvidence> setEvidence(const NumberCounts &counts, EvidenceMemo *memo = nullptr);
Evidence evidence(const NumberCounts &counts, EvidenceMemo *memo = nullptr);

// The set with the largest part of E among those that `accept`; ties go to
// the set with more hits, then to the one whose middle pocket came more often.
template <typename Accept>
const SetEvidence *strongestSet(const std::vector<SetEvidence> &sets, const NumberCounts &counts, Accept accept);

inline constexpr double kSuspiciousEvidence = 20;  // 1 / 0.05
inline constexpr double kStrongEvidence = 100;     // 1 / 0.01
// "torzítás nem mutatható ki" below 20, "gyanús" below 100, "erős jel".
std::string_view evidenceVerdict(double e);

// Shares of E closer than this (in log) are a tie: the same figure reached
// by different roundings, as with one spin, when every single number's
// factor is exactly 1.
inline constexpr double kTiedLogShare = 1e-9;

template <typename Accept>
const SetEvidence *strongestSet(const std::vector<SetEvidence> &sets, const NumberCounts &counts, Accept accept)
{
    const SetEvidence *best = nullptr;
    auto stronger = [&counts](const SetEvidence &s, const SetEvidence &than) {
        if (std::abs(s.logShare - than.logShare) > kTiedLogShare)
            return s.logShare > than.logShare;
        const auto rest = [&counts](const SetEvidence &e) {
            return std::array<std::int64_t, 2>{e.hits, counts[static_cast<size_t>(e.arc.centre())]};
        };
        return rest(s) > rest(than);
    };
    for (const SetEvidence &s : sets)
        if (accept(s) && (!best || stronger(s, *best)))
            best = &s;
    return best;
}

} // namespace vintaro

namespace vintaro {

// A number coming 10, 20 or 50 % more often than 1/37: spins within which the
// evidence reaches 20 (gyanús) in 80 % of sessions, measured by simulation
// over 300 seeded sessions and rounded to hundreds (bench/evidence_bench.cpp,
// BM_SpinsToFlag, measures them again).
inline constexpr std::array<double, 3> kFlagExcess = {0.10, 0.20, 0.50};
inline constexpr std::array<std::int64_t, 3> kSpinsToFlag = {97600, 24400, 4500};
// The share of those sessions that reach it within 32 736 spins, the most a
// history of the program holds (the same benchmark, "within_32736").
inline constexpr std::array<double, 3> kFlaggedWithinCapacity = {0.12, 0.95, 1.0};

} // namespace vintaro
