#include "systems/livebacktest.h"

#include <algorithm>

#include "systems/ownsystem.h"

namespace vintaro {

namespace {

bool sameRules(const SessionRules &a, const SessionRules &b)
{
    return a.unit == b.unit && a.bankroll == b.bankroll && a.tableMin == b.tableMin && a.tableMax == b.tableMax &&
           a.target == b.target;
}

} // namespace

LiveBacktest::LiveBacktest() = default;
LiveBacktest::~LiveBacktest() = default;

void LiveBacktest::start(SystemKind kind, const std::vector<ChainStep> &own, const Bet &bet,
                         const SessionRules &rules)
{
    m_kind = kind;
    m_own = own;
    m_bet = bet;
    m_rules = rules;
    m_system = own.empty() ? makeSystem(kind) : std::make_unique<TableSystem>(own);
    m_system->reset(winPerUnit(bet));
    m_spins.clear();
    m_left = m_peak = rules.bankroll;
    m_result = Backtest{};
    m_result.bankroll.push_back(rules.bankroll);
    if (m_left < rules.tableMin - kMoneySlack)
        m_result.outcome.ending = Ending::Ruin;
    ++m_replays;
    m_started = true;
}

void LiveBacktest::play(std::span<const std::int16_t> spins)
{
    m_spins.insert(m_spins.end(), spins.begin(), spins.end());
    SessionOutcome &out = m_result.outcome;
    if (out.ending != Ending::Spins)
        return; // ruined or at the target: later spins are not played
    // The session lasts as long as the spins do.
    SessionRules rules = m_rules;
    rules.maxSpins = std::int64_t(m_spins.size());
    size_t next = 0;
    AskingSystem asking{*m_system};
    continueSession(
        asking, betMask(m_bet), winPerUnit(m_bet), rules, m_left, out,
        [&] {
            // A value outside 0..36 is no spin; the list holds none.
            return next < spins.size() ? int(spins[next++]) : -1;
        },
        [&](double left, double stake) { noteSpin(m_result, m_peak, m_rules, asking.asked, left, stake, true); });
    out.result = m_left - m_rules.bankroll;
    m_result.expected = -out.staked / 37;
}

const Backtest &LiveBacktest::update(SystemKind kind, const std::vector<ChainStep> &own, const Bet &bet,
                                     const SessionRules &rules, std::span<const std::int16_t> spins)
{
    const bool extends = m_started && kind == m_kind && own == m_own && bet.numbers == m_bet.numbers && sameRules(rules, m_rules) &&
                         spins.size() >= m_spins.size() &&
                         std::equal(m_spins.begin(), m_spins.end(), spins.begin());
    if (!extends)
        start(kind, own, bet, rules);
    play(spins.subspan(m_spins.size()));
    return m_result;
}

NextStake LiveBacktest::next() const
{
    NextStake n;
    n.ending = m_result.outcome.ending;
    if (!m_started || n.ending != Ending::Spins)
        return n;
    n.units = m_system->stake();
    if (n.units < 0)
        n.ending = Ending::Stopped;
    else if (n.units > 0)
        n.money = tableStake(m_rules, n.units, m_left);
    return n;
}

} // namespace vintaro
