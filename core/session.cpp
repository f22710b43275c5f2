#include "core/session.h"

#include "core/textformat.h"

namespace vintaro {

Session::EntryResult Session::enter(int number)
{
    if (m_history.full())
        return EntryResult::HistoryFull;
    m_spunNumber = number;
    m_spunText = plainText(number);
    return apply();
}

Session::EntryResult Session::apply()
{
    if (m_spunText.empty())
        return EntryResult::NoNumber;
    if (m_history.full())
        return EntryResult::HistoryFull;
    m_unsaved = true;
    m_history.push(m_spunNumber);
    m_countText = plainText(m_history.count());
    runPass();
    return EntryResult::Applied;
}

Session::UndoResult Session::undo()
{
    if (m_history.empty())
        return UndoResult::Nothing;
    m_unsaved = true;
    m_history.popBack();
    m_countText = plainText(m_history.count());
    m_lastPositions.fill(0);
    runPass();
    m_spunText.clear();
    return UndoResult::Undone;
}

void Session::load(const std::vector<std::int16_t> &spins)
{
    m_history.assign(spins);
    m_countText = signedText(m_history.count());
    if (m_history.empty())
        return; // the statistics keep what they showed
    runPass();
    m_spunText.clear();
}

int Session::absence(int n) const
{
    if (n < 1 || n > kHighestNumber)
        return 0;
    return m_history.count() - m_lastPositions[n];
}

void Session::runPass()
{
    m_figures = statisticsPass(m_history, m_history.count(), m_lastPositions);
    m_figuresShown = true;
}

} // namespace vintaro
