#pragma once
// One look at a finished history: chi-square goodness-of-fit tests against a
// fair wheel and the hottest arcs of neighbouring pockets, the p-values
// adjusted together (Holm). They hold for one look only, so they give no
// verdict; the verdict comes from the evidence (odds/evidence.h).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "odds/tally.h"

namespace vintaro {


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

} // namespace vintaro
