#pragma once
// A system whose whole state is one counter, as a table the exact
// calculation follows state by state: the built-in counter systems and every
// system of the player's own.
#include <cstdint>
#include <functional>

namespace vintaro {

// One state: the stake in units (0: the spin passes without a bet;
// kStopStake: the system ends the session) and the states after a win and
// after a loss.
struct ChainStep
{
    std::int64_t stake = 1;
    int onWin = 0, onLoss = 0;
    bool operator==(const ChainStep &) const = default;
};
inline constexpr std::int64_t kStopStake = -1;
using CounterChain = std::function<ChainStep(int state)>;

} // namespace vintaro
