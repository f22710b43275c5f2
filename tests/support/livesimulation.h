#pragma once
// Seeded sessions watched after every spin the way the odds window shows
// them: when (if ever) the hold-out estimate first says that its candidate
// would beat the bank, and when the bet table first highlights a cell. Shared
// by the suite's reduced simulation and the full-size benchmarks.
#include <pcg_random.hpp>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "odds/bettable.h"
#include "odds/holdout.h"
#include "odds/tally.h"
#include "tests/support/wheelsimulation.h"

namespace vintaro::simulation {

struct LiveSession
{
    std::int64_t claim = -1;     // the first spin that says "megverné a bankot", -1 for never
    std::int64_t highlight = -1; // the first spin with a highlighted cell
};

struct Watch
{
    bool claims = true;
    bool highlights = true;
    bool stopAtClaim = false; // for the spins a bias needs
    std::vector<std::int16_t> *spins = nullptr; // receives the spins when given
};

// The candidate of one estimate and its hits since it was chosen.
struct LiveCandidate
{
    PocketArc arc;
    std::int64_t hits = 0;
};

inline LiveSession runLiveSession(const Chances &chances, std::int64_t spins, pcg32 &random, Watch watch = {})
{
    std::discrete_distribution<int> wheel(chances.begin(), chances.end());
    // The shortest highlighted absence of every bet of the table.
    static const std::array<std::int64_t, kBetCount> highlighted = [] {
        std::array<std::int64_t, kBetCount> out{};
        for (int b = 0; b < kBetCount; ++b)
            out[size_t(b)] = highlightedAbsence(oddsBets()[size_t(b)].chance());
        return out;
    }();
    SpinTally tally;
    NumberCounts counts{}, chosenCounts{};
    std::int64_t chosenOn = 0;
    std::array<LiveCandidate, 2> candidates; // the number, the arc
    LiveSession out;
    for (std::int64_t n = 1; n <= spins; ++n) {
        const int x = wheel(random);
        const std::int16_t spin = std::int16_t(x);
        if (watch.spins)
            watch.spins->push_back(spin);
        ++counts[size_t(x)];
        if (watch.highlights && out.highlight < 0) {
            tally.add(std::span<const std::int16_t>(&spin, 1));
            for (int b = 0; b < kBetCount; ++b)
                if (tally.currentAbsence(b) >= highlighted[size_t(b)]) {
                    out.highlight = n;
                    break;
                }
        }
        if (!watch.claims || out.claim >= 0) {
            if (!watch.highlights || out.highlight >= 0)
                break;
            continue;
        }
        if (n == choiceSpins(n) * 2 && n / 2 != chosenOn) { // a new candidate, chosen on the first n / 2 spins
            chosenOn = n / 2;
            const std::vector<SetEvidence> sets = setEvidence(chosenCounts);
            candidates[0].arc = strongestSet(sets, chosenCounts, [](const SetEvidence &s) { return s.arc.width == 1; })->arc;
            candidates[1].arc = strongestSet(sets, chosenCounts, [](const SetEvidence &s) { return s.arc.width > 1; })->arc;
            for (LiveCandidate &c : candidates) {
                c.hits = 0;
                for (int y = 0; y < kNumberCount; ++y)
                    c.hits += c.arc.contains(y) ? counts[size_t(y)] - chosenCounts[size_t(y)] : 0;
            }
        } else if (chosenOn > 0) {
            for (LiveCandidate &c : candidates)
                c.hits += c.arc.contains(x);
        }
        if ((n & (n - 1)) == 0) // the counts at every power of two, for the next choice
            chosenCounts = counts;
        if (chosenOn == 0)
            continue;
        for (const LiveCandidate &c : candidates)
            if (beatsTheBank(c.hits, n - chosenOn, c.arc.width, sequenceAlpha(chosenOn))) {
                out.claim = n;
                break;
            }
        if (out.claim >= 0 && watch.stopAtClaim && (!watch.highlights || out.highlight >= 0))
            break;
    }
    return out;
}

struct LiveShares
{
    double claim = 0, highlight = 0; // of sessions that ever showed one
};

inline LiveShares runLiveSessions(const Chances &chances, int sessions, std::int64_t spins, std::uint64_t seed,
                                  Watch watch = {})
{
    pcg32 random(seed);
    LiveShares out;
    for (int s = 0; s < sessions; ++s) {
        const LiveSession one = runLiveSession(chances, spins, random, watch);
        out.claim += one.claim > 0;
        out.highlight += one.highlight > 0;
    }
    out.claim /= sessions;
    out.highlight /= sessions;
    return out;
}

} // namespace vintaro::simulation
