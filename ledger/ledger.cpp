#include "ledger/ledger.h"

#include <algorithm>

#include "ledger/honest.h"

namespace vintaro {

const LedgerSession *Ledger::openSession() const
{
    return !m_sessions.empty() && m_sessions.back().open() ? &m_sessions.back() : nullptr;
}

bool Ledger::startSession(std::string start, std::string room, std::string place, Money bankrollIn)
{
    if (openSession() || bankrollIn < -kMoneyLimit || bankrollIn > kMoneyLimit)
        return false;
    LedgerSession session;
    session.id = m_sessions.empty() ? 1 : m_sessions.back().id + 1;
    session.start = std::move(start);
    session.room = std::move(room);
    session.place = std::move(place);
    session.bankrollIn = bankrollIn;
    m_sessions.push_back(std::move(session));
    return true;
}

bool Ledger::endSession(std::string end, std::optional<Money> bankrollOut, std::string notes)
{
    if (!openSession())
        return false;
    clearWaiting();
    LedgerSession &session = m_sessions.back();
    session.end = end.empty() ? session.start : std::move(end);
    session.bankrollOut = bankrollOut;
    if (!notes.empty())
        session.notes = std::move(notes);
    return true;
}

bool Ledger::editOpenSession(std::string place, std::string notes)
{
    if (!openSession())
        return false;
    m_sessions.back().place = std::move(place);
    m_sessions.back().notes = std::move(notes);
    return true;
}

bool Ledger::record(const BetKey &bet, Money stake)
{
    const LedgerSession *session = openSession();
    if (!session || !validBet(bet) || stake <= 0 || stake > kStakeLimit)
        return false;
    LedgerBet entry;
    entry.session = session->id;
    entry.bet = bet;
    if (bet.kind != BetKind::Selection)
        entry.bet.numbers.reset();
    entry.stake = stake;
    m_waiting.push_back(m_bets.size());
    m_bets.push_back(entry);
    return true;
}

std::vector<const LedgerBet *> Ledger::waiting() const
{
    std::vector<const LedgerBet *> out;
    out.reserve(m_waiting.size());
    for (std::size_t i : m_waiting)
        out.push_back(&m_bets[i]);
    return out;
}

void Ledger::clearWaiting()
{
    std::vector<std::size_t> indices = m_waiting;
    std::sort(indices.rbegin(), indices.rend());
    for (std::size_t i : indices)
        m_bets.erase(m_bets.begin() + static_cast<std::ptrdiff_t>(i));
    m_waiting.clear();
}

bool Ledger::takeBackLast()
{
    if (m_waiting.empty())
        return false;
    const std::size_t i = m_waiting.back();
    m_waiting.pop_back();
    m_bets.erase(m_bets.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t &w : m_waiting)
        if (w > i)
            --w;
    return true;
}

int Ledger::settle(int position, int number)
{
    if (!isNumber(number) || position <= 0)
        return 0;
    for (std::size_t i : m_waiting) {
        m_bets[i].fixed = false;
        m_bets[i].spin = position;
        m_bets[i].number = number;
    }
    count(m_waiting, 1);
    const int settled = static_cast<int>(m_waiting.size());
    m_waiting.clear();
    return settled;
}

int Ledger::unsettle(int position, int number)
{
    if (position <= 0)
        return 0;
    // Only the newest settled bets can belong to the spin that goes.
    std::vector<std::size_t> back;
    for (std::size_t i = m_bets.size(); i-- > 0;) {
        LedgerBet &bet = m_bets[i];
        if (!bet.settled())
            continue;
        if (bet.fixed || bet.spin != position || bet.number != number)
            break;
        back.push_back(i);
    }
    const LedgerSession *session = openSession();
    if (back.empty() || !session || m_bets[back.front()].session != session->id) {
        // The session of these bets has ended: they stay settled, for good.
        for (std::size_t i : back)
            m_bets[i].fixed = true;
        return 0;
    }
    count(back, -1);
    for (std::size_t i : back) {
        m_bets[i].spin = 0;
        m_bets[i].number = -1;
        m_bets[i].fixed = false;
    }
    m_waiting.insert(m_waiting.end(), back.begin(), back.end());
    std::sort(m_waiting.begin(), m_waiting.end());
    return static_cast<int>(back.size());
}

int Ledger::reconcile(std::span<const std::int16_t> spins)
{
    int fixed = 0;
    for (LedgerBet &bet : m_bets)
        if (bet.settled() && !bet.fixed
            && (bet.spin < 1 || bet.spin > static_cast<int>(spins.size())
                || spins[static_cast<size_t>(bet.spin - 1)] != bet.number)) {
            bet.fixed = true;
            ++fixed;
        }
    return fixed;
}

Money Ledger::bankroll(int session) const
{
    Money money = 0;
    for (const LedgerSession &s : m_sessions)
        if (s.id == session)
            money = s.bankrollIn;
    for (const LedgerBet &bet : m_bets)
        if (bet.session == session && bet.settled())
            money += bet.back() - bet.cost();
    return money;
}

HonestLine Ledger::line(int session) const
{
    const auto found = m_lines.find(session);
    return found != m_lines.end() ? found->second : HonestLine{};
}

void Ledger::count(const std::vector<std::size_t> &spinBets, int sign)
{
    if (spinBets.empty())
        return;
    Returns back{};
    Money cost = 0;
    for (std::size_t i : spinBets) {
        const Returns one = betReturns(m_bets[i].bet, m_bets[i].stake);
        for (std::size_t n = 0; n < back.size(); ++n)
            back[n] += one[n];
        cost += m_bets[i].cost();
    }
    const LedgerBet &first = m_bets[spinBets.front()];
    const int bets = static_cast<int>(spinBets.size());
    for (HonestLine *line : {&m_lines[first.session], &m_total}) {
        if (sign > 0) {
            line->addSpin(back, cost, first.number);
            line->bets += bets;
        } else {
            line->removeSpin(back, cost, first.number);
            line->bets -= bets;
        }
    }
}

void Ledger::assign(std::vector<LedgerSession> sessions, std::vector<LedgerBet> bets)
{
    m_sessions = std::move(sessions);
    m_bets = std::move(bets);
    m_waiting.clear();
    m_lines.clear();
    for (const LedgerSession &s : m_sessions)
        m_lines[s.id] = honestLine(m_bets, s.id);
    m_total = honestLine(m_bets);
    const LedgerSession *session = openSession();
    for (std::size_t i = 0; i < m_bets.size(); ++i)
        if (!m_bets[i].settled() && session && m_bets[i].session == session->id)
            m_waiting.push_back(i);
}

} // namespace vintaro
