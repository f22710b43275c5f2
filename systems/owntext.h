#pragma once
// How a system of the player's own and the bankroll answers are written on
// the command line and in the window, in the chosen language: every share
// saying what it is the share of. UTF-8.
#include <string>

#include "systems/bankroll.h"
#include "systems/ownsystem.h"

namespace vintaro {

// "saját rendszer „Dupla”: tétek 1, 2, 4; nyerés után vissza az első lépésre, ..."
std::string ownDescription(const OwnSystem &system);
// The smallest bankroll for a risk of ruin, and the largest target for a chance.
std::string riskLine(double risk, const BankrollAnswer &answer);
std::string reachLine(double chance, const BankrollAnswer &answer);

} // namespace vintaro
