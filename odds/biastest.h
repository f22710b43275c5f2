#pragma once
// Does the history show a biased wheel? Chi-square goodness-of-fit tests
// against a fair wheel, the hottest arcs of neighbouring pockets, the p-values
// adjusted together (Holm) and a verdict for each; and how many spins it
// takes to see a given bias at all.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbermodel.h"

namespace vintaro {

using NumberCounts = std::array<std::int64_t, kNumberCount>;

// Below this many spins a number expects fewer than five hits: too few for
// the chi-square test of the 37 numbers.
inline constexpr std::int64_t kNumberTestMinimum = 185;

struct BiasLine
{
    enum class Kind { ChiSquare, Arc };
    Kind kind = Kind::ChiSquare;
    std::string name;
    double statistic = 0; // chi-square
    int degrees = 0;      // degrees of freedom
    int arcWidth = 0;     // Arc: pockets in the arc
    int arcCentre = 0;    // Arc: the middle pocket of the hottest arc
    std::int64_t arcHits = 0;
    double arcExpected = 0; // N w / 37
    double p = 1;           // Arc: one-sided, Bonferroni over the 37 arcs
    double adjusted = 1;    // Holm over every line of the report
    std::string_view verdict;
};

struct BiasReport
{
    std::int64_t spins = 0;
    bool numberTest = false; // false below kNumberTestMinimum spins
    std::vector<BiasLine> lines; // empty without spins
};

BiasReport biasTests(const NumberCounts &counts);

// Holm's step-down adjustment, in the order given.
std::vector<double> holmAdjust(const std::vector<double> &p);

// "nincs jele torzításnak" (>= 0.05), "gyanús" (0.01 .. 0.05), "erős jel" (< 0.01).
std::string_view verdictFor(double adjusted);

// Spins that a one-sided test at 0.05 / 37 with 80 % power needs to see one
// number come (1 + excess) / 37 of the time instead of 1 / 37.
std::int64_t spinsToDetect(double excess);
inline constexpr std::array<double, 3> kDetectableExcess = {0.10, 0.20, 0.50};

} // namespace vintaro
