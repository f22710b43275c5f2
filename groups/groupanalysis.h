#pragma once
// A group analysis: every group's hits and absences over the whole history,
// the report lines, and the group that has been absent longest.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "groups/groupkind.h"
#include "groups/grouptables.h"
#include "core/numbermodel.h"
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

// Membership of a bet, indexed by number 0..36.
using BetMembers = std::array<bool, kNumberCount>;

// Walks the spins oldest first with the bet on `isMember`; `visit(position,
// hit, absence)` sees every spin, with the absence a hit ends (0 for a miss).
template <typename Visit>
BetFigures walkBet(const BetMembers &isMember, std::span<const std::int16_t> spins, Visit &&visit)
{
    BetFigures f;
    int position = 0;
    for (const std::int16_t n : spins) {
        ++position;
        if (isNumber(n) && isMember[static_cast<size_t>(n)]) {
            ++f.hits;
            visit(position, true, f.current);
            f.current = 0;
        } else {
            visit(position, false, 0);
            if (++f.current > f.longest) {
                f.longest = f.current;
                f.longestPosition = position;
            }
        }
    }
    return f;
}

// The figures of the bet on `isMember` over the spins.
inline BetFigures betFigures(const BetMembers &isMember, std::span<const std::int16_t> spins)
{
    return walkBet(isMember, spins, [](int, bool, int) {});
}

// Gives a label of the report in the language shown (UTF-8); the labels are
// marked for the translation in the context "GroupReport".
using ReportLabel = std::function<std::string(const char *label)>;

// The report list: per group an empty line, the group line(s), the three
// figures and a line of asterisks. The labels are Hungarian unless `label`
// gives them otherwise.
std::vector<std::string> reportLines(const GroupAnalysis &analysis, const ReportLabel &label = {});

} // namespace vintaro
