#pragma once
// Examining the selection as one bet, spin by spin.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "groups/groupanalysis.h"
#include "core/selection.h"
#include "core/spinhistory.h"

namespace vintaro {

struct Examination
{
    BetFigures figures;
    std::vector<std::string> lines; // one per spin, oldest first
};

// The line of a hit at `position` that ends an absence of `absence` spins:
// "  12   3 *".
std::string hitLine(int position, int absence);
// The line of a miss at `position`: "   7   -".
std::string missLine(int position);

// The examination kept compact, its lines made when asked for.
struct ExaminationMarks
{
    static constexpr std::int32_t kMiss = -1;
    BetFigures figures;
    std::vector<std::int32_t> marks; // per spin, oldest first: the absence a hit ends, or kMiss

    // The line of spin `row` (0-based), as Examination::lines holds it.
    std::string line(std::size_t row) const;
};

// Walks the history with the selection's numbers as the bet. The selected
// count as its text reads is trusted: when it reads 0 nothing is examined
// (no value), even if some numbers are flagged.
std::optional<Examination> examineSelection(const Selection &selection, const SpinHistory &history);
// The same walk, kept as marks.
std::optional<ExaminationMarks> examineSelectionMarks(const Selection &selection, const SpinHistory &history);

} // namespace vintaro
