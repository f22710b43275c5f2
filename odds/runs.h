#pragma once
// Runs of misses: how likely a history of n spins holds an absence of a bet
// at least L spins long somewhere, and how long its longest absence is on
// average. A bet hits a spin with probability p and misses it with q = 1 - p.
#include <cmath>
#include <cstdint>

namespace vintaro {

// P(longest run of misses >= len in n spins).
//
// With a_k = P(no run of len misses in k spins), a first run of len ending at
// spin k needs no run up to k - len - 1, then a hit, then len misses:
//     a_k = a_{k-1} - p q^len a_{k-len-1},  a_k = 1 for k < len.
// The exact program costs O(n). Its generating function has one dominant
// pole x0 > 1 (the positive root of f x (1 + sx + ... + (sx)^(len-1)) = 1
// with s = q, f = p), so a_n = C x0^-n plus terms that fade like the other
// poles; once n >= 10 (len + 1) those are below 1e-9 for every bet on the
// table (tests/odds checks this for every n up to 32 736). So: the exact
// program below that, the pole beyond it, and 0 when even the union bound
// (n p + 1) q^len is below 1e-13.
double longestRunChance(std::int64_t n, std::int64_t len, double p);
// The same with the dominant pole given by `poleOf(p, len)` (a cache).
template <typename PoleOf> double longestRunChance(std::int64_t n, std::int64_t len, double p, PoleOf &&poleOf);

// The plain dynamic program, O(n); for tests and short histories.
double runFreeChanceExact(std::int64_t n, std::int64_t len, double p);

struct RunPole
{
    double delta = 0; // x0 - 1
    double c = 1;     // a_n ~ c x0^-n
    // log c and log x0, taken once for the pole's every chance.
    double logC = 0, logX = 0;
};
// The dominant pole of runs of `len` misses.
RunPole dominantPole(double p, std::int64_t len);
// 1 - c x0^-n: the pole's estimate of P(longest >= len).
double poleChance(const RunPole &pole, std::int64_t n);

// Expected longest run of misses in n spins: the sum over m >= 1 of
// P(longest >= m). Since P(longest >= m) <= (n p + 1) q^m, the terms past M
// add at most (n p + 1) q^(M+1) / p; the sum stops once that is below 1e-6.
double expectedLongestRun(std::int64_t n, double p);
template <typename PoleOf> double expectedLongestRun(std::int64_t n, double p, PoleOf &&poleOf);

// Miss chance of a union-bound-negligible run: (n p + 1) q^len.
double runUnionBound(std::int64_t n, std::int64_t len, double p);

namespace runs {
inline constexpr double kNegligible = 1e-13;
inline constexpr std::int64_t kPoleFactor = 10; // the pole from n >= 10 (len + 1) on
} // namespace runs

namespace runs {
// longestRunChance given runUnionBound(n, len, p) for 0 < p < 1.
template <typename PoleOf>
double longestRunChanceWithin(std::int64_t n, std::int64_t len, double p, PoleOf &&poleOf, double unionBound)
{
    if (len <= 0)
        return 1;
    if (len > n)
        return 0;
    if (unionBound < runs::kNegligible)
        return 0;
    if (n < runs::kPoleFactor * (len + 1))
        return 1 - runFreeChanceExact(n, len, p);
    return poleChance(poleOf(p, len), n);
}
} // namespace runs

template <typename PoleOf> double longestRunChance(std::int64_t n, std::int64_t len, double p, PoleOf &&poleOf)
{
    if (len <= 0)
        return 1;
    if (len > n || p >= 1)
        return 0;
    if (p <= 0)
        return 1; // never a hit: the whole history is one absence
    return runs::longestRunChanceWithin(n, len, p, poleOf, runUnionBound(n, len, p));
}

template <typename PoleOf> double expectedLongestRun(std::int64_t n, double p, PoleOf &&poleOf)
{
    if (n <= 0)
        return 0;
    if (p <= 0)
        return double(n);
    if (p >= 1)
        return 0;
    // runUnionBound(n, m, p) for every m, with the logarithm of q taken once.
    const double spread = double(n) * p + 1, logMiss = std::log1p(-p);
    double total = 0;
    for (std::int64_t m = 1; m <= n; ++m) {
        const double bound = spread * std::exp(double(m) * logMiss);
        if (bound / p < 1e-6) // all the terms left
            break;
        total += runs::longestRunChanceWithin(n, m, p, poleOf, bound);
    }
    return total;
}

} // namespace vintaro
