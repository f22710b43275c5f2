#pragma once
// Seeded sessions on a wheel with given chances, the evidence looked at after
// every spin: when (if ever) it first reached "gyanús" and "erős jel". Shared
// by the calibration test and the benchmarks that measure calibration, power
// and the sample sizes.
#include <pcg_random.hpp>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "odds/evidence.h"
#include "tests/support/evidenceprocess.h"

namespace vintaro::simulation {

using Chances = std::array<double, kNumberCount>;

inline Chances fairWheel()
{
    Chances c;
    c.fill(1.0 / kNumberCount);
    return c;
}

// The pockets of `arc` come (1 + excess) times as often as on a fair wheel,
// the others share the rest evenly; excess -1 is a dead pocket.
inline Chances biasedArc(const PocketArc &arc, double excess)
{
    const double inside = (1 + excess) / kNumberCount;
    const double outside = (1 - inside * arc.width) / (kNumberCount - arc.width);
    Chances c;
    for (int x = 0; x < kNumberCount; ++x)
        c[static_cast<size_t>(x)] = arc.contains(x) ? inside : outside;
    return c;
}

// 1 + amplitude cos(angle) round the wheel.
inline Chances cosineTilt(double amplitude)
{
    Chances c;
    for (int i = 0; i < kNumberCount; ++i)
        c[static_cast<size_t>(kWheelOrder[static_cast<size_t>(i)])] =
            (1 + amplitude * std::cos(2 * 3.14159265358979323846 * i / kNumberCount)) / kNumberCount;
    return c;
}

struct Session
{
    std::int64_t suspicious = -1; // the first spin with E >= 20, -1 for never
    std::int64_t strong = -1;     // the first spin with E >= 100
};

// One session of at most `spins` spins; stops once `stopAt` is reached.
inline Session runSession(const Chances &chances, std::int64_t spins, pcg32 &random,
                          double stopAt = kStrongEvidence)
{
    std::discrete_distribution<int> wheel(chances.begin(), chances.end());
    EvidenceProcess process;
    Session out;
    for (std::int64_t n = 1; n <= spins; ++n) {
        process.add(wheel(random));
        const double e = process.value();
        if (e >= kSuspiciousEvidence && out.suspicious < 0)
            out.suspicious = n;
        if (e >= kStrongEvidence && out.strong < 0)
            out.strong = n;
        if (e >= stopAt)
            break;
    }
    return out;
}

struct Shares
{
    double suspicious = 0; // of sessions that ever showed "gyanús" or worse
    double strong = 0;     // of sessions that ever showed "erős jel"
};

inline Shares runSessions(const Chances &chances, int sessions, std::int64_t spins, std::uint64_t seed,
                          double stopAt = kStrongEvidence)
{
    pcg32 random(seed);
    Shares out;
    for (int s = 0; s < sessions; ++s) {
        const Session one = runSession(chances, spins, random, stopAt);
        out.suspicious += one.suspicious > 0;
        out.strong += one.strong > 0;
    }
    out.suspicious /= sessions;
    out.strong /= sessions;
    return out;
}

} // namespace vintaro::simulation
