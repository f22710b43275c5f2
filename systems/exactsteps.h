#pragma once
// The exact calculation's view of a counter system: the session in whole
// units, and the chain's steps with the table's limits applied, equal
// states merged.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "systems/counterchain.h"
#include "systems/sessionrules.h"

namespace vintaro::exactdetail {

inline constexpr std::int64_t kNoGoal = std::numeric_limits<std::int64_t>::max();
inline constexpr int kMostStates = 10000000;

// The session in whole units.
struct Setup
{
    std::string why;
    std::int64_t start = 0, minimum = 1, cap = 0, goal = kNoGoal, win = 1;
    double pWin = 0, pLoss = 0;
};

// The session of `rules` on `bet` in whole units; `why` says why it has none.
Setup setup(const CounterChain &chain, const Bet &bet, const SessionRules &rules);

// The chain's steps as the session meets them, with the table's limits
// applied to the stakes.
class Steps
{
public:
    Steps(const CounterChain &chain, const Setup &setup) : m_chain(chain), m_setup(setup) {}
    // False when the chain names a state it cannot have.
    bool at(int state, ChainStep &step)
    {
        while (size_t(state) >= m_steps.size()) {
            ChainStep s = m_chain(int(m_steps.size()));
            if (s.onWin < 0 || s.onLoss < 0 || s.onWin >= kMostStates || s.onLoss >= kMostStates)
                return false;
            if (s.stake > 0)
                s.stake = std::min(std::max(s.stake, m_setup.minimum), m_setup.cap);
            else if (s.stake < 0)
                s.stake = kStopStake;
            m_steps.push_back(s);
        }
        step = m_steps[size_t(state)];
        return true;
    }
    size_t size() const { return m_steps.size(); }

private:
    const CounterChain &m_chain;
    const Setup &m_setup;
    std::vector<ChainStep> m_steps;
};

// States that stake the same (after the table's limits) and lead to
// equivalent states are one state for the calculation: Martingale's doublings
// past the table maximum all stake the maximum. A chain with more reachable
// states than kMerged is left as it is.
CounterChain merged(const CounterChain &chain, const Setup &setup);

} // namespace vintaro::exactdetail
