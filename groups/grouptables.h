#pragma once
// The bet-group tables: streets, six-lines, corners, pairs, big and small
// diagonals, filled once at start-up.
#include <string>
#include <vector>

namespace vintaro {

class GroupTables
{
public:
    GroupTables() = default;
};

} // namespace vintaro
