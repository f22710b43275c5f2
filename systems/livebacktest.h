#pragma once
// A backtest kept up with the history: a spin added after the spins played
// is played on from where the session stood; anything else (another system,
// bet or rule, an undone or changed spin) plays the whole history again.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "systems/counterchain.h"
#include "systems/sessionrules.h"

namespace vintaro {

// The stake the system asks for on the spin after those played.
struct NextStake
{
    Ending ending = Ending::Spins; // the session ended before it: no stake
    std::int64_t units = 0;        // 0: the system sits the spin out
    double money = 0;              // the units under the table's limits and what is left
};

class LiveBacktest
{
public:
    LiveBacktest();
    ~LiveBacktest();

    // The backtest of `spins`, oldest first, of the built-in system `kind`
    // or, when `own` is not empty, of the player's own system with that table.
    const Backtest &update(SystemKind kind, const std::vector<ChainStep> &own, const Bet &bet,
                           const SessionRules &rules, std::span<const std::int16_t> spins);
    const Backtest &update(SystemKind kind, const Bet &bet, const SessionRules &rules,
                           std::span<const std::int16_t> spins)
    {
        return update(kind, {}, bet, rules, spins);
    }
    const Backtest &result() const { return m_result; }
    NextStake next() const;
    // Spins played again from the start so far (for the curious and for tests).
    std::int64_t replays() const { return m_replays; }

private:
    void start(SystemKind kind, const std::vector<ChainStep> &own, const Bet &bet, const SessionRules &rules);
    void play(std::span<const std::int16_t> spins);

    SystemKind m_kind = SystemKind::Flat;
    std::vector<ChainStep> m_own;
    Bet m_bet;
    SessionRules m_rules;
    std::unique_ptr<System> m_system;
    std::vector<std::int16_t> m_spins; // played so far
    double m_left = 0, m_peak = 0;
    Backtest m_result;
    std::int64_t m_replays = 0;
    bool m_started = false;
};

} // namespace vintaro
