#include "odds/runs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vintaro {

namespace {

// S(y) = 1 + y + ... + y^(m-1) and its derivative, at y = 1 + d, without the
// cancellation of (y^m - 1) / (y - 1) near y = 1.
void geometricSum(double d, double m, double &sum, double &slope)
{
    if (std::fabs(m * d) < 1e-2) {
        const double c1 = m, c2 = c1 * (m - 1) / 2, c3 = c2 * (m - 2) / 3, c4 = c3 * (m - 3) / 4,
                     c5 = c4 * (m - 4) / 5, c6 = c5 * (m - 5) / 6;
        sum = c1 + d * (c2 + d * (c3 + d * (c4 + d * (c5 + d * c6))));
        slope = c2 + d * (2 * c3 + d * (3 * c4 + d * (4 * c5 + d * 5 * c6)));
        return;
    }
    const double log = std::log1p(d);
    const double powerLess1 = std::expm1(m * log); // y^m - 1
    sum = powerLess1 / d;
    slope = (m * std::exp((m - 1) * log) * d - powerLess1) / (d * d);
}

} // namespace

double runUnionBound(std::int64_t n, std::int64_t len, double p)
{
    return (double(n) * p + 1) * std::exp(double(len) * std::log1p(-p));
}

double runFreeChanceExact(std::int64_t n, std::int64_t len, double p)
{
    if (len <= 0)
        return 0;
    if (n < len)
        return 1;
    // Ring of the last len + 1 values a_{k-len-1} .. a_{k-1}.
    const auto ring = static_cast<size_t>(len + 1);
    std::vector<double> a(ring, 1.0);
    const double jump = p * std::pow(1 - p, double(len));
    double last = 1 - std::pow(1 - p, double(len)); // a_len
    a[static_cast<size_t>(len) % ring] = last;
    for (std::int64_t k = len + 1; k <= n; ++k) {
        const size_t slot = static_cast<size_t>(k) % ring; // holds a_{k-len-1}
        last -= jump * a[slot];
        a[slot] = last;
    }
    return std::clamp(last, 0.0, 1.0);
}

namespace {

// The pole's c from its root x0 = 1 + delta.
RunPole withResidue(double f, double s, double m, double delta)
{
    const double x = 1 + delta;
    double sum = 0, slope = 0;
    geometricSum(std::fma(s, x, -1.0), m, sum, slope);
    const double derivative = f * sum + f * x * s * slope;
    const double c = 1 / (f * x * x * derivative);
    return {delta, c, std::log(c), std::log1p(delta)};
}

} // namespace

RunPole dominantPole(double p, std::int64_t len)
{
    const double f = p, s = 1 - p, m = double(len);
    const double base = f * std::pow(s, m);
    // Near 1 the root is the fixed point of delta = f s^m (1 + delta)^(m+1),
    // which keeps delta to full relative precision where x - 1 cannot. Once
    // (m + 1) f s^m <= 0.045 the fixed point has (m + 1) delta < 0.05 and
    // delta < 1.05 f s^m, and Newton's steps on delta - f s^m (1 + delta)^(m+1)
    // find it in two or three.
    if ((m + 1) * base <= 0.045 && 1.05 * base < 0.5 * f / s) {
        double delta = base * std::exp((m + 1) * base);
        for (int i = 0; i < 20; ++i) {
            const double grown = std::exp((m + 1) * std::log1p(delta)); // (1 + delta)^(m+1)
            const double excess = delta - base * grown;
            const double slope = 1 - (m + 1) * base * grown / (1 + delta);
            const double step = excess / slope;
            delta -= step;
            if (std::fabs(step) <= 1e-17 * delta)
                break;
        }
        return withResidue(f, s, m, delta);
    }
    // G(x) = f x S(s x) - 1 rises and bends upwards; its root lies in (1, 1/f].
    double lo = 1, hi = 1 / f, x = 1 + base;
    for (int i = 0; i < 200; ++i) {
        double sum = 0, slope = 0;
        geometricSum(std::fma(s, x, -1.0), m, sum, slope);
        const double g = f * x * sum - 1;
        const double step = g / (f * sum + f * x * s * slope);
        if (std::isfinite(g) && std::fabs(step) <= 2e-16 * x)
            break;
        (!std::isfinite(g) || g > 0 ? hi : lo) = x;
        double next = x - step;
        if (!std::isfinite(next) || next <= lo || next >= hi)
            next = 0.5 * (lo + hi);
        if (hi - lo <= 4e-16 * x) {
            x = next;
            break;
        }
        x = next;
    }
    double delta = x - 1;
    if ((m + 1) * delta < 0.05 && delta < 0.5 * f / s) {
        for (int i = 0; i < 40; ++i) {
            const double next = base * std::exp((m + 1) * std::log1p(delta));
            if (next == delta)
                break;
            delta = next;
        }
    }
    return withResidue(f, s, m, delta);
}

double poleChance(const RunPole &pole, std::int64_t n)
{
    return std::clamp(-std::expm1(pole.logC - double(n) * pole.logX), 0.0, 1.0);
}

double longestRunChance(std::int64_t n, std::int64_t len, double p)
{
    return longestRunChance(n, len, p, dominantPole);
}

double expectedLongestRun(std::int64_t n, double p) { return expectedLongestRun(n, p, dominantPole); }

} // namespace vintaro
