#pragma once
// A betting system: the stake of the next spin from what came before. Every
// system works in units of the player's unit and answers the same questions:
// the next stake, and its state after a win or a loss.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace vintaro {

enum class SystemKind { Flat, Martingale, Paroli, DAlembert, Fibonacci, Labouchere, Oscar };
inline constexpr int kSystemCount = 7;
inline constexpr std::array<SystemKind, kSystemCount> kSystems = {
    SystemKind::Flat,      SystemKind::Martingale, SystemKind::Paroli, SystemKind::DAlembert,
    SystemKind::Fibonacci, SystemKind::Labouchere, SystemKind::Oscar};

std::string_view systemKey(SystemKind kind);  // "flat", "martingale", ... (command line)
// "Egyenletes tét", "Martingale", ... (UTF-8, Hungarian; systemCaption in
// systems/systemstext.h gives it in the chosen language)
std::string_view systemName(SystemKind kind);
std::optional<SystemKind> systemFromKey(std::string_view key);

// A system whose whole state is one counter (0 at the start of a session):
// the exact risk follows it state by state.
struct CounterRules
{
    std::int64_t (*stakeAt)(int state);
    int (*afterWin)(int state);
    int (*afterLoss)(int state);
};

class System
{
public:
    virtual ~System() = default;
    // Back to the first stake of a session. `winPerUnit` is what a hit wins
    // per unit staked (1 on red, 35 on a single number).
    virtual void reset(double winPerUnit) = 0;
    // The next stake in units, at least 1.
    virtual std::int64_t stake() const = 0;
    virtual void won() = 0;
    virtual void lost() = 0;
    // won() after a hit, lost() after a miss.
    virtual void record(bool hit) { hit ? won() : lost(); }
    // The counter rules, for the systems that have them.
    virtual std::optional<CounterRules> counterRules() const { return std::nullopt; }
};

std::unique_ptr<System> makeSystem(SystemKind kind);

} // namespace vintaro
