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
    std::array<bool, kNumberCount> selected{};
    for (int n = 0; n < kNumberCount; ++n)
        selected[static_cast<size_t>(n)] = selection.isSelected(n);

    Examination e;
    BetFigures &f = e.figures;
    const std::int16_t *spins = history.data();
    const int count = history.count();
    e.lines.reserve(static_cast<size_t>(count));
    for (int k = 1; k <= count; ++k) {
        const int n = spins[k];
        if (isNumber(n) && selected[static_cast<size_t>(n)]) {
            ++f.hits;
            e.lines.push_back(hitLine(k, f.current));
            f.current = 0;
        } else {
            e.lines.push_back(missLine(k));
            if (++f.current > f.longest) {
                f.longest = f.current;
                f.longestPosition = k;
            }
        }
    }
    return e;
}

} // namespace vintaro
