#include "odds/evidence.h"

#include <algorithm>
#include <cmath>

#include "odds/doublemath.h"

#include "core/textmark.h"

namespace vintaro {

namespace {

// log(sum exp(v)) without overflow.
template <typename Values> double logSumExp(const Values &v)
{
    const double top = *std::max_element(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += std::exp(x - top);
    return top + std::log(sum);
}

constexpr size_t kPriorCount = 4; // concentrations per width

// What the Bayes factors of one width share: the fair chance, its logs, the
// priors and the log gammas of B(a, b) of each.
struct WidthPrior
{
    int width = 1;
    double p0 = 0, logP0 = 0, logQ0 = 0;
    double logWeight = 0; // log of the weight of each set
    double logCount = 0;  // log of the number of priors
    std::array<double, kPriorCount> a{}, b{}, lgammaA{}, lgammaB{}, lgammaAB{};
};

const std::array<WidthPrior, kEvidenceWidths.size()> &widthPriors()
{
    static const auto priors = [] {
        std::array<WidthPrior, kEvidenceWidths.size()> out;
        for (size_t w = 0; w < kEvidenceWidths.size(); ++w) {
            WidthPrior &prior = out[w];
            prior.width = kEvidenceWidths[w];
            prior.p0 = double(prior.width) / kNumberCount;
            const double q0 = 1 - prior.p0;
            prior.logP0 = std::log(prior.p0);
            prior.logQ0 = std::log(q0);
            prior.logWeight = std::log(EvidencePrior::weight(prior.width));
            const std::vector<double> concentrations = EvidencePrior::concentrations(prior.width);
            prior.logCount = std::log(double(concentrations.size()));
            for (size_t i = 0; i < kPriorCount; ++i) {
                prior.a[i] = concentrations[i] * prior.p0;
                prior.b[i] = concentrations[i] * q0;
                prior.lgammaA[i] = doublemath::lgamma(prior.a[i]);
                prior.lgammaB[i] = doublemath::lgamma(prior.b[i]);
                prior.lgammaAB[i] = doublemath::lgamma(prior.a[i] + prior.b[i]);
            }
        }
        return out;
    }();
    return priors;
}

} // namespace

bool PocketArc::contains(int number) const
{
    return (wheelIndex(number) - start + kNumberCount) % kNumberCount < width;
}

int PocketArc::centre() const { return kWheelOrder[static_cast<size_t>((start + width / 2) % kNumberCount)]; }

NumberSet PocketArc::numbers() const { return arcSet(start, width); }

double EvidencePrior::weight(int width) { return (width == 1 ? 0.5 : 0.1) / kNumberCount; }

std::vector<double> EvidencePrior::concentrations(int width)
{
    // Priors whose spread of p is the fair chance times 1, 0.3, 0.1 and 0.03:
    // a dead pocket, a strong bias and ever finer ones.
    const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
    std::vector<double> out;
    for (double spread : {1.0, 0.3, 0.1, 0.03})
        out.push_back(std::max(2.0, q0 / (p0 * spread * spread) - 1));
    return out;
}

double Evidence::value() const { return std::exp(logE); }

std::vector<SetEvidence> setEvidence(const NumberCounts &counts, EvidenceMemo *memo)
{
    static_assert(std::tuple_size_v<decltype(EvidenceMemo::Set::hitTerms)> == kPriorCount);
    std::int64_t n = 0;
    for (std::int64_t c : counts)
        n += c;
    std::vector<SetEvidence> out;
    out.reserve(kEvidenceSets);
    for (const WidthPrior &prior : widthPriors()) {
        const int width = prior.width;
        // log B(a + k, b + m) - log B(a, b) - k log p0 - m log q0 - log(priors),
        // each log gamma of the first beta less its counterpart of the second
        // (nothing left of them without spins), with what does not depend on
        // k taken out of the loop over the sets.
        std::array<double, kPriorCount> whole{};
        for (size_t i = 0; i < kPriorCount; ++i)
            whole[i] = (doublemath::lgamma(prior.a[i] + prior.b[i] + double(n)) - prior.lgammaAB[i]) + prior.logCount;
        for (int start = 0; start < kNumberCount; ++start) {
            SetEvidence set;
            set.arc = {width, start};
            for (int i = 0; i < width; ++i)
                set.hits += counts[static_cast<size_t>(kWheelOrder[static_cast<size_t>((start + i) % kNumberCount)])];
            set.expected = double(n) * prior.p0;
            const double k = double(set.hits), m = double(n - set.hits);
            const double fair = k * prior.logP0 + m * prior.logQ0;
            EvidenceMemo::Set scratch;
            EvidenceMemo::Set &kept = memo ? memo->sets[out.size()] : scratch;
            if (kept.hits != set.hits) {
                kept.hits = set.hits;
                for (size_t i = 0; i < kPriorCount; ++i)
                    kept.hitTerms[i] = doublemath::lgamma(prior.a[i] + k) - prior.lgammaA[i];
            }
            if (kept.misses != n - set.hits) {
                kept.misses = n - set.hits;
                for (size_t i = 0; i < kPriorCount; ++i)
                    kept.missTerms[i] = doublemath::lgamma(prior.b[i] + m) - prior.lgammaB[i];
            }
            std::array<double, kPriorCount> parts{};
            for (size_t i = 0; i < kPriorCount; ++i)
                parts[i] = kept.hitTerms[i] + kept.missTerms[i] - whole[i] - fair;
            set.logFactor = logSumExp(parts);
            set.logShare = prior.logWeight + set.logFactor;
            out.push_back(set);
        }
    }
    return out;
}

Evidence evidence(const NumberCounts &counts, EvidenceMemo *memo)
{
    Evidence out;
    for (std::int64_t c : counts)
        out.spins += c;
    const std::vector<SetEvidence> sets = setEvidence(counts, memo);
    std::vector<double> shares;
    for (const SetEvidence &s : sets)
        shares.push_back(s.logShare);
    out.logE = logSumExp(shares);
    out.strongest = *strongestSet(sets, counts, [](const SetEvidence &) { return true; });
    return out;
}

std::string_view evidenceVerdict(double e)
{
    static constexpr const char *verdicts[] = {QT_TRANSLATE_NOOP("Evidence", "torzítás nem mutatható ki"),
                                               QT_TRANSLATE_NOOP("Evidence", "gyanús"),
                                               QT_TRANSLATE_NOOP("Evidence", "erős jel")};
    return verdicts[int(e >= kSuspiciousEvidence) + int(e >= kStrongEvidence)];
}

} // namespace vintaro
