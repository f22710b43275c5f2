#include "odds/biastest.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>

#include "core/textmark.h"
#include "core/wheel.h"

namespace vintaro {

namespace {

// Chi-square of the counts of cells covering `weights[i]` of the 37 pockets.
BiasLine chiSquare(std::string name, const std::vector<std::int64_t> &observed, const std::vector<int> &weights,
                   std::int64_t spins)
{
    BiasLine line;
    line.name = std::move(name);
    for (size_t i = 0; i < observed.size(); ++i) {
        const double expected = double(spins) * weights[i] / kNumberCount;
        const double diff = double(observed[i]) - expected;
        line.statistic += diff * diff / expected;
    }
    line.degrees = int(observed.size()) - 1;
    const boost::math::chi_squared_distribution<double> dist(line.degrees);
    line.p = boost::math::cdf(boost::math::complement(dist, line.statistic));
    return line;
}

std::int64_t countOf(const NumberCounts &counts, bool (*member)(int))
{
    std::int64_t out = 0;
    for (int n = 0; n < kNumberCount; ++n)
        if (member(n))
            out += counts[static_cast<size_t>(n)];
    return out;
}

std::int64_t countOf(const NumberCounts &counts, const NumberSet &set)
{
    std::int64_t out = 0;
    for (int n = 0; n < kNumberCount; ++n)
        if (set.test(static_cast<size_t>(n)))
            out += counts[static_cast<size_t>(n)];
    return out;
}

// The arc of w pockets with the most hits; p the chance that a fair wheel
// gives any of the 37 arcs that many.
BiasLine hottestArc(const NumberCounts &counts, int w, std::int64_t spins)
{
    BiasLine line;
    line.kind = BiasLine::Kind::Arc;
    line.name = w == 3   ? QT_TRANSLATE_NOOP("BiasTest", "Legforróbb 3-as ív")
                : w == 5 ? QT_TRANSLATE_NOOP("BiasTest", "Legforróbb 5-ös ív")
                         : QT_TRANSLATE_NOOP("BiasTest", "Legforróbb 9-es ív"); // the widths tested: 3, 5, 9
    line.arcWidth = w;
    line.arcExpected = double(spins) * w / kNumberCount;
    line.arcHits = -1;
    for (int start = 0; start < kNumberCount; ++start) {
        // On a tie, the arc whose middle pocket came more often.
        const std::int64_t hits = countOf(counts, arcSet(start, w));
        const int centre = kWheelOrder[static_cast<size_t>((start + w / 2) % kNumberCount)];
        if (hits > line.arcHits || (hits == line.arcHits && counts[static_cast<size_t>(centre)] >
                                                                 counts[static_cast<size_t>(line.arcCentre)])) {
            line.arcHits = hits;
            line.arcCentre = centre;
        }
    }
    double single = 1;
    if (line.arcHits > 0) {
        const boost::math::binomial_distribution<double> dist(double(spins), double(w) / kNumberCount);
        single = boost::math::cdf(boost::math::complement(dist, double(line.arcHits - 1)));
    }
    line.p = std::min(1.0, single * kNumberCount);
    return line;
}

} // namespace

std::vector<double> holmAdjust(const std::vector<double> &p)
{
    const size_t m = p.size();
    std::vector<size_t> order(m);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&p](size_t a, size_t b) { return p[a] < p[b]; });
    std::vector<double> out(m);
    double running = 0;
    for (size_t rank = 0; rank < m; ++rank) {
        running = std::max(running, std::min(1.0, double(m - rank) * p[order[rank]]));
        out[order[rank]] = running;
    }
    return out;
}

BiasReport biasTests(const NumberCounts &counts)
{
    BiasReport report;
    report.spins = std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
    const std::int64_t n = report.spins;
    if (n == 0)
        return report;
    report.numberTest = n >= kNumberTestMinimum;
    if (report.numberTest)
        report.lines.push_back(chiSquare(QT_TRANSLATE_NOOP("BiasTest", "A 37 szám"), {counts.begin(), counts.end()},
                                         std::vector<int>(kNumberCount, 1), n));
    const std::int64_t zero = counts[0];
    const std::int64_t red = countOf(counts, isRed);
    report.lines.push_back(
        chiSquare(QT_TRANSLATE_NOOP("BiasTest", "Piros / fekete / zéró"), {red, n - red - zero, zero}, {18, 18, 1}, n));
    std::vector<std::int64_t> thirds{0, 0, 0, zero}, columns{0, 0, 0, zero};
    for (int x = 1; x <= kHighestNumber; ++x) {
        thirds[static_cast<size_t>((x - 1) / 12)] += counts[static_cast<size_t>(x)];
        columns[static_cast<size_t>((x - 1) % 3)] += counts[static_cast<size_t>(x)];
    }
    report.lines.push_back(chiSquare(QT_TRANSLATE_NOOP("BiasTest", "Harmadok és zéró"), thirds, {12, 12, 12, 1}, n));
    report.lines.push_back(chiSquare(QT_TRANSLATE_NOOP("BiasTest", "Oszlopok és zéró"), columns, {12, 12, 12, 1}, n));
    report.lines.push_back(chiSquare(QT_TRANSLATE_NOOP("BiasTest", "Voisins du zéro / Tiers du cylindre / Orphelins"),
                                     {countOf(counts, sectorSet(Sector::Voisins)),
                                      countOf(counts, sectorSet(Sector::Tiers)),
                                      countOf(counts, sectorSet(Sector::Orphelins))},
                                     {17, 12, 8}, n));
    for (int w : {3, 5, 9})
        report.lines.push_back(hottestArc(counts, w, n));

    std::vector<double> p;
    for (const BiasLine &line : report.lines)
        p.push_back(line.p);
    const std::vector<double> adjusted = holmAdjust(p);
    for (size_t i = 0; i < report.lines.size(); ++i)
        report.lines[i].adjusted = adjusted[i];
    return report;
}

} // namespace vintaro
