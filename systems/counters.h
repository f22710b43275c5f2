#pragma once
// The systems whose state is one counter: flat, Martingale, Paroli,
// D'Alembert and Fibonacci. Inline and final, so that the simulation's
// session loop calls them without a virtual call.
#include <algorithm>

#include "systems/system.h"

namespace vintaro {

template <typename Rules> class CounterSystem : public System
{
public:
    void reset(double) final { m_state = 0; }
    std::int64_t stake() const final { return Rules::stakeAt(m_state); }
    void won() final { m_state = Rules::afterWin(m_state); }
    void lost() final { m_state = Rules::afterLoss(m_state); }
    // Both successors, then a mask picks one: no branch for the wheel to
    // mispredict, and no trip through memory.
    void record(bool hit) final
    {
        const int pick = -int(hit);
        m_state = (Rules::afterWin(m_state) & pick) | (Rules::afterLoss(m_state) & ~pick);
    }
    std::optional<CounterRules> counterRules() const final
    {
        return CounterRules{&Rules::stakeAt, &Rules::afterWin, &Rules::afterLoss};
    }

private:
    int m_state = 0;
};

// One unit on every spin.
struct FlatRules
{
    static std::int64_t stakeAt(int) { return 1; }
    static int afterWin(int) { return 0; }
    static int afterLoss(int) { return 0; }
};

// State: losses in a row. Doubles after a loss, one unit after a win; the
// doubling stops at 2^62 units, far beyond any table.
struct MartingaleRules
{
    static std::int64_t stakeAt(int state) { return std::int64_t{1} << state; }
    static int afterWin(int) { return 0; }
    static int afterLoss(int state) { return std::min(state + 1, 62); }
};

// State: wins in a row. Doubles after a win, back to one unit after the
// third win or a loss.
struct ParoliRules
{
    static std::int64_t stakeAt(int state) { return std::int64_t{1} << state; }
    static int afterWin(int state) { return state == 2 ? 0 : state + 1; }
    static int afterLoss(int) { return 0; }
};

// State: the stake less one. One unit up after a loss, one down after a win,
// never below one unit.
struct DAlembertRules
{
    static std::int64_t stakeAt(int state) { return std::int64_t{state} + 1; }
    static int afterWin(int state) { return std::max(state - 1, 0); }
    static int afterLoss(int state) { return std::min(state + 1, 1 << 30); }
};

// State: the place in 1, 1, 2, 3, 5, ... One step on after a loss, two back
// after a win.
struct FibonacciRules
{
    static constexpr int kLast = 90; // fib(91) still fits 63 bits
    static std::int64_t stakeAt(int state);
    static int afterWin(int state) { return std::max(state - 2, 0); }
    static int afterLoss(int state) { return std::min(state + 1, kLast); }
};

using FlatSystem = CounterSystem<FlatRules>;
using MartingaleSystem = CounterSystem<MartingaleRules>;
using ParoliSystem = CounterSystem<ParoliRules>;
using DAlembertSystem = CounterSystem<DAlembertRules>;
using FibonacciSystem = CounterSystem<FibonacciRules>;

namespace detail {
inline constexpr auto kFibonacci = [] {
    std::array<std::int64_t, FibonacciRules::kLast + 1> f{};
    f[0] = f[1] = 1;
    for (size_t i = 2; i < f.size(); ++i)
        f[i] = f[i - 1] + f[i - 2];
    return f;
}();
} // namespace detail

inline std::int64_t FibonacciRules::stakeAt(int state) { return detail::kFibonacci[size_t(state)]; }

} // namespace vintaro
