#pragma once
// The text of the systems file: every system of the player's own under its
// name, in UTF-8.
//
//     # comment
//     [Dupla ötig]
//     bet=piros
//     stakes=1,2,4,8,16
//     on-win=first          first | back:N | stay | next
//     on-loss=next          next | skip:N | first
//     after-last=stay       stay | first | stop
//     sit-out=0:0           after N losses in a row, M spins (0:0: never)
//     unit=1
//     bankroll=100
//     table-min=1
//     table-max=0           0: none
//     target=0              0: none
//     spins=1000
//
// Keys left out keep their defaults; amounts use a decimal point.
#include <string>
#include <string_view>
#include <vector>

#include "systems/ownsystem.h"

namespace vintaro {

struct OwnSystemsText
{
    std::vector<OwnSystem> systems;
    int badLine = 0;     // the first line that cannot be read (1-based), or 0
    std::string problem; // what is wrong with it (UTF-8)
};

OwnSystemsText readOwnSystems(std::string_view text);
std::string ownSystemsText(const std::vector<OwnSystem> &systems);
// Why a name cannot stand in the file, or empty.
std::string nameProblem(std::string_view name);

} // namespace vintaro
