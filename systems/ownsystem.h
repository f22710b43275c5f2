#pragma once
// A system of the player's own: a stake sequence by step and what a win, a
// loss and the end of the sequence do, with an optional pause after a run of
// losses. Its whole state is a counter (the step, the losses in a row and
// the spins still to sit out), so it runs in the backtest, the simulation and
// the exact calculation like the built-in counter systems.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "systems/counterchain.h"
#include "systems/sessionrules.h"

namespace vintaro {

enum class WinMove { First, Back, Stay, Next };
enum class LossMove { Next, Skip, First };
enum class AfterLast { Stay, First, Stop };

inline constexpr int kMostOwnSteps = 1000;
inline constexpr int kMostSitOut = 100;

struct OwnSystem
{
    std::string name;                       // UTF-8
    std::string bet = "piros";              // a key of betKeys() or a number "0".."36"
    std::vector<std::int64_t> stakes{1, 2, 4, 8, 16};
    WinMove onWin = WinMove::First;
    int winSteps = 1;                       // WinMove::Back: this many steps back
    LossMove onLoss = LossMove::Next;
    int lossSteps = 1;                      // LossMove::Skip: this many steps on
    AfterLast afterLast = AfterLast::Stay;  // a move past the last step
    int sitOutAfter = 0;                    // losses in a row before a pause; 0: never
    int sitOutSpins = 0;                    // spins of the pause
    SessionRules rules;
    bool operator==(const OwnSystem &) const = default;
};

// Why the system cannot be played (UTF-8), or empty.
std::string ownProblem(const OwnSystem &system);

// A stake sequence: `count` steps from `first`, each `factor` times the one
// before plus `add` (factor 2, add 0: 1, 2, 4, ...; factor 1, add 1: 1, 2, 3).
// Stops early where a stake would pass 10^12 units.
std::vector<std::int64_t> generatedStakes(std::int64_t first, int count, double factor, std::int64_t add);

// The moves as the command line and the systems file write them:
// "first", "back:2", "stay", "next"; "next", "skip:2", "first"; "stay",
// "first", "stop". Reading gives false for anything else.
std::string winMoveKey(WinMove move, int steps);
std::string lossMoveKey(LossMove move, int steps);
std::string afterLastKey(AfterLast after);
bool readWinMove(std::string_view key, WinMove &move, int &steps);
bool readLossMove(std::string_view key, LossMove &move, int &steps);
bool readAfterLast(std::string_view key, AfterLast &after);
// "1, 2, 4" (commas, blanks between); false for anything that is not a list
// of whole stakes of at least one unit.
bool readStakes(std::string_view text, std::vector<std::int64_t> &stakes);
std::string stakesText(const std::vector<std::int64_t> &stakes); // "1,2,4"

// The system as a table of states, state 0 first: what the simulation plays
// and the exact calculation follows.
std::vector<ChainStep> ownTable(const OwnSystem &system);
CounterChain tableChain(std::vector<ChainStep> table);

// Plays a table: inline and final, so that the session loop calls it
// without a virtual call.
class TableSystem final : public System
{
public:
    explicit TableSystem(std::vector<ChainStep> table) : m_table(std::move(table)) {}
    void reset(double) override { m_state = 0; }
    std::int64_t stake() const override { return m_table[size_t(m_state)].stake; }
    void won() override { m_state = m_table[size_t(m_state)].onWin; }
    void lost() override { m_state = m_table[size_t(m_state)].onLoss; }
    void record(bool hit) override
    {
        const ChainStep &step = m_table[size_t(m_state)];
        m_state = hit ? step.onWin : step.onLoss;
    }

private:
    std::vector<ChainStep> m_table;
    int m_state = 0;
};

} // namespace vintaro
