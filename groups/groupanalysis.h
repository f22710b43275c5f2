#pragma once
// A group analysis: every group's hits and absences over the whole history,
// the report lines, and the group that has been absent longest.
#include <string>
#include <vector>

#include "groups/groupkind.h"
#include "groups/grouptables.h"
#include "core/spinhistory.h"

namespace vintaro {

// The figures of one bet (a group or a selection) over the history.
struct BetFigures
{
    int hits = 0;
    int current = 0;         // spins since the latest hit (the whole history if none)
    int longest = 0;         // greatest absence reached, the open run included
    int longestPosition = 0; // spin that first reached the longest absence
    bool operator==(const BetFigures &) const = default;
};

struct GroupResult
{
    Group group;
    BetFigures figures;
};

struct GroupAnalysis
{
    GroupKind kind = GroupKind::Street;
    std::vector<GroupResult> results; // in table order
    // Index into results of the group absent longest: the first one with the
    // greatest current absence; -1 when every group's current absence is 0.
    int leader = -1;

    const GroupResult *leading() const { return leader >= 0 ? &results[static_cast<size_t>(leader)] : nullptr; }
};

// Walks the whole history once per group, oldest spin first.
GroupAnalysis analyseGroups(GroupKind kind, const std::vector<Group> &groups, const SpinHistory &history);

// The figures of the bet on `isMember` (indexed 0..36) over the history.
BetFigures betFigures(const bool *isMember, const SpinHistory &history);

// The report list: per group an empty line, the group line(s), the three
// figures and a line of asterisks.
std::vector<std::string> reportLines(const GroupAnalysis &analysis);

} // namespace vintaro
