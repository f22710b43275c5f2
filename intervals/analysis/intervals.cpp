#include "intervals/analysis/intervals.h"

#include "core/textformat.h"
#include "core/textmark.h"

namespace vintaro {

int intervalOf(int number)
{
    if (number < 1 || number > 36)
        return 0;
    return number == 36 ? kIntervalCount : (number - 1) / 5 + 1;
}

int intervalLow(int k) { return 5 * (k - 1) + 1; }

int intervalHigh(int k) { return k == kIntervalCount ? 5 * k + 1 : 5 * k; }

std::string intervalLine(int position, int number)
{
    std::string line = zeroPadded(position, 4);
    line.reserve(line.size() + 1 + 2 * kIntervalCount);
    line.push_back(' ');
    const int hit = intervalOf(number);
    for (int k = 1; k <= kIntervalCount; ++k) {
        line.push_back(' ');
        line.push_back(k == hit ? '1' : '_');
    }
    return line;
}

IntervalAbsences currentIntervalAbsences(std::span<const std::int16_t> spins)
{
    // The absence of an interval is the distance from its latest hit to the
    // end of the history, so one walk back from the newest spin is enough.
    const int count = static_cast<int>(spins.size());
    IntervalAbsences absences;
    absences.fill(count);
    int found = 0;
    for (int i = count - 1; i >= 0 && found < kIntervalCount; --i) {
        const int k = intervalOf(spins[static_cast<size_t>(i)]);
        if (k != 0 && absences[static_cast<size_t>(k - 1)] == count) {
            absences[static_cast<size_t>(k - 1)] = count - 1 - i;
            ++found;
        }
    }
    return absences;
}

std::string absenceText(const IntervalAbsences &absences, const TextWidth &width)
{
    const int target = width("00");
    std::string text;
    for (int absence : absences) {
        std::string piece = rightAligned(absence, 2);
        int pieceWidth = width(piece);
        // A blank that adds no width (a font without one) ends the padding.
        while (pieceWidth < target) {
            std::string wider(1, ' ');
            wider += piece;
            const int widerWidth = width(wider);
            if (widerWidth <= pieceWidth)
                break;
            piece = std::move(wider);
            pieceWidth = widerWidth;
        }
        text.push_back(' ');
        text += piece;
    }
    return text;
}

LongestAbsences longestIntervalAbsences(std::span<const std::int16_t> spins)
{
    LongestAbsences longest{};
    std::array<int, kIntervalCount> current{};
    int position = 0;
    for (std::int16_t number : spins) {
        ++position;
        const int hit = intervalOf(number);
        for (int k = 1; k <= kIntervalCount; ++k) {
            int &absence = current[static_cast<size_t>(k - 1)];
            if (k != hit) {
                ++absence;
                continue;
            }
            LongestAbsence &record = longest[static_cast<size_t>(k - 1)];
            if (absence > record.length) {
                record.length = absence;
                record.end = position;
            }
            absence = 0;
        }
    }
    return longest;
}

std::vector<std::string> intervalReport(const LongestAbsences &longest)
{
    std::vector<std::string> lines;
    lines.reserve(2 + kIntervalCount);
    lines.emplace_back(QT_TRANSLATE_NOOP("IntervalReport", "  Maximális kimaradás"));
    lines.emplace_back();
    for (int k = 1; k <= kIntervalCount; ++k) {
        const LongestAbsence &record = longest[static_cast<size_t>(k - 1)];
        std::string line(2, ' ');
        line += zeroPadded(intervalLow(k), 2);
        line.push_back('-');
        line += zeroPadded(intervalHigh(k), 2);
        line.append(4, ' ');
        line += rightAligned(record.length, 2);
        line.append(5, ' ');
        line += rightAligned(record.end, 4);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vintaro
