#include "groups/examination.h"

#include <array>

#include "core/numbermodel.h"
#include "core/textformat.h"

namespace vintaro {

std::string hitLine(int position, int absence)
{
    std::string line = rightAligned(position, 4);
    line += "   ";
    line += plainText(absence);
    line += " *";
    return line;
}

std::string missLine(int position)
{
    std::string line = rightAligned(position, 4);
    line += "   -";
    return line;
}

std::string ExaminationMarks::line(std::size_t row) const
{
    const int position = int(row) + 1;
    const std::int32_t mark = marks[row];
    return mark == kMiss ? missLine(position) : hitLine(position, mark);
}

std::optional<ExaminationMarks> examineSelectionMarks(const Selection &selection, const SpinHistory &history)
{
    if (selection.countValue() == 0)
        return std::nullopt;
    BetMembers selected{};
    for (int n = 0; n < kNumberCount; ++n)
        selected[static_cast<size_t>(n)] = selection.isSelected(n);

    ExaminationMarks e;
    e.marks.reserve(history.spins().size());
    e.figures = walkBet(selected, history.spins(), [&](int, bool hit, int absence) {
        e.marks.push_back(hit ? std::int32_t(absence) : ExaminationMarks::kMiss);
    });
    return e;
}

std::optional<Examination> examineSelection(const Selection &selection, const SpinHistory &history)
{
    const auto marks = examineSelectionMarks(selection, history);
    if (!marks)
        return std::nullopt;
    Examination e;
    e.figures = marks->figures;
    e.lines.reserve(marks->marks.size());
    for (std::size_t row = 0; row < marks->marks.size(); ++row)
        e.lines.push_back(marks->line(row));
    return e;
}

} // namespace vintaro
