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

std::optional<Examination> examineSelection(const Selection &selection, const SpinHistory &history)
{
    if (selection.countValue() == 0)
        return std::nullopt;
    BetMembers selected{};
    for (int n = 0; n < kNumberCount; ++n)
        selected[static_cast<size_t>(n)] = selection.isSelected(n);

    Examination e;
    e.lines.reserve(history.spins().size());
    e.figures = walkBet(selected, history.spins(), [&](int position, bool hit, int absence) {
        e.lines.push_back(hit ? hitLine(position, absence) : missLine(position));
    });
    return e;
}

} // namespace vintaro
