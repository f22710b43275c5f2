#pragma once
// The system a player has chosen to play, as a window that offers the choice
// tells others about it: the built-in system or the table of an own one, the
// bet and the session's rules.
#include <optional>
#include <string>
#include <vector>

#include "core/bets.h"
#include "systems/counterchain.h"
#include "systems/sessionrules.h"
#include "systems/system.h"

namespace vintaro {

struct ChosenSystem
{
    SystemKind kind = SystemKind::Flat;
    std::vector<ChainStep> own; // not empty: the player's own system with this table
    Bet bet;
    SessionRules rules;
    std::string systemName, betName; // as the window shows them (UTF-8)
};

// A window where a system is chosen.
class SystemChooser
{
public:
    virtual ~SystemChooser() = default;
    // The choice as the controls stand; nothing when it cannot be played.
    virtual std::optional<ChosenSystem> chosenSystem() const = 0;
};

} // namespace vintaro
