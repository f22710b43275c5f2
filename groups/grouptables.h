#pragma once
// The bet-group tables: streets and six-lines computed, corners, pairs, big
// and small diagonals read from their files; filled once at start-up.
#include <array>
#include <string>
#include <vector>

#include "groups/groupkind.h"

namespace vintaro {

// One group as the analyses see it: its text as stored and its members.
struct Group
{
    std::string text;
    std::vector<int> members;
};

class GroupTables
{
public:
    // The street and six-line tables computed, the file tables empty.
    GroupTables();

    // Stores the records of a file-based kind: record k becomes entry k, cut
    // or padded with blanks to the kind's text width. Records beyond the
    // kind's group count are dropped; entries without a record stay empty.
    void fill(GroupKind kind, const std::vector<std::string> &records);

    // Entry i (1-based) of a kind's table as stored; empty when nothing was
    // stored there. Single numbers have no table.
    const std::string &text(GroupKind kind, int i) const;

    // Whether entry i holds no group (never stored, or stored blank).
    bool isEmpty(GroupKind kind, int i) const;

    // The groups an analysis walks, in table order. Empty entries are left
    // out, so a short or missing file never yields a group of zeros. Single
    // numbers give the 37 groups 0 to 36, each its own text.
    std::vector<Group> groups(GroupKind kind) const;

private:
    // Entry 0 of every table is never used.
    std::array<std::vector<std::string>, kGroupKindCount> m_tables;
};

// The members of a fixed-width group text: member m of n is the number in
// characters 3m-2 and 3m-1, the last member the number in the last two
// characters; a slice without digits reads as 0.
std::vector<int> groupMembers(const std::string &text, int memberCount);

} // namespace vintaro
