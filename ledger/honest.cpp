#include "ledger/honest.h"

#include <cmath>

namespace vintaro {

double HonestLine::deviation() const { return std::sqrt(variance > 0.0 ? variance : 0.0); }

bool HonestLine::inside() const
{
    const double gap = std::fabs(static_cast<double>(result) - expected);
    // A hair of slack for the rounding of the sums: a result exactly on the
    // edge of the band is inside.
    return gap <= 2.0 * deviation() + 1e-9 * (1.0 + std::fabs(expected));
}

namespace {

// The mean and the variance of one spin's returns over the 37 numbers.
std::pair<double, double> moments(const Returns &back)
{
    double sum = 0.0;
    double squares = 0.0;
    for (Money r : back) {
        sum += static_cast<double>(r);
        squares += static_cast<double>(r) * static_cast<double>(r);
    }
    const double mean = sum / kNumberCount;
    return {mean, squares / kNumberCount - mean * mean};
}

} // namespace

void HonestLine::addSpin(const Returns &back, Money cost, int number)
{
    const auto [mean, spread] = moments(back);
    staked += cost;
    result += back[static_cast<size_t>(number)] - cost;
    expected += mean - static_cast<double>(cost);
    variance += spread;
    ++spins;
}

void HonestLine::removeSpin(const Returns &back, Money cost, int number)
{
    const auto [mean, spread] = moments(back);
    staked -= cost;
    result -= back[static_cast<size_t>(number)] - cost;
    expected -= mean - static_cast<double>(cost);
    variance -= spread;
    --spins;
}

HonestLine &HonestLine::operator+=(const HonestLine &other)
{
    staked += other.staked;
    result += other.result;
    expected += other.expected;
    variance += other.variance;
    spins += other.spins;
    bets += other.bets;
    return *this;
}

namespace {

// Calls `spin` for every group of settled bets that one spin settled, in order.
template<typename F>
void forEachSettledSpin(std::span<const LedgerBet> bets, int session, F &&spin)
{
    Returns back{};
    Money cost = 0;
    int count = 0;
    const LedgerBet *first = nullptr;
    auto flush = [&] {
        if (first)
            spin(back, cost, first->number, count);
        back = Returns{};
        cost = 0;
        count = 0;
        first = nullptr;
    };
    for (const LedgerBet &bet : bets) {
        if (!bet.settled() || (session > 0 && bet.session != session))
            continue;
        if (first && (bet.session != first->session || bet.spin != first->spin || bet.number != first->number))
            flush();
        if (!first)
            first = &bet;
        const Returns one = betReturns(bet.bet, bet.stake);
        for (std::size_t n = 0; n < one.size(); ++n)
            back[n] += one[n];
        cost += bet.cost();
        ++count;
    }
    flush();
}

} // namespace

HonestLine honestLine(std::span<const LedgerBet> bets, int session)
{
    HonestLine line;
    forEachSettledSpin(bets, session, [&](const Returns &back, Money cost, int number, int count) {
        line.addSpin(back, cost, number);
        line.bets += count;
    });
    return line;
}

std::vector<BankrollPoint> bankrollPath(const Ledger &ledger, int session)
{
    std::vector<BankrollPoint> path;
    Money in = 0;
    for (const LedgerSession &s : ledger.sessions())
        if (s.id == session)
            in = s.bankrollIn;
    HonestLine line;
    forEachSettledSpin(ledger.bets(), session, [&](const Returns &back, Money cost, int number, int) {
        line.addSpin(back, cost, number);
        path.push_back({line.spins, in + line.result, static_cast<double>(in) + line.expected});
    });
    return path;
}

} // namespace vintaro
