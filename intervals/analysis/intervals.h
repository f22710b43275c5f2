#pragma once
// Five-number intervals: which of the seven intervals 1-5, 6-10, ..., 31-36
// each spin hit, how long every interval has now been absent, and the
// longest absence that a hit of the interval ended.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/spinhistory.h"

namespace vintaro {

constexpr int kIntervalCount = 7;

// Interval 1..7 of a spun number (31-36 is interval 7, six numbers wide);
// 0 for a spin of 0, and for anything outside 1..36, which hits no interval.
int intervalOf(int number);

// Lowest and highest number of interval k (1..7): 1-5, ..., 31-36.
int intervalLow(int k);
int intervalHigh(int k);

// One line of the spin-by-spin list: the position zero-padded to at least
// four digits, a blank, then per interval " 1" when this spin hit it and
// " _" when it did not. Position 1, number 7 gives "0001  _ 1 _ _ _ _ _".
std::string intervalLine(int position, int number);

// Per interval (element 0 is interval 1): spins since its latest hit, the
// whole history when it never came.
using IntervalAbsences = std::array<int, kIntervalCount>;
IntervalAbsences currentIntervalAbsences(std::span<const std::int16_t> spins);

// Printed width of a text in the window's font.
using TextWidth = std::function<int(std::string_view)>;

// The absence row under the interval headings: per interval one blank, then
// the absence right-aligned in two characters and widened with blanks on the
// left while it prints narrower than "00", so that the columns line up in a
// proportional font.
std::string absenceText(const IntervalAbsences &absences, const TextWidth &width);

// The longest absence of an interval that a hit of it ended, and the position
// of that hit; a tie keeps the earlier absence. An absence still running at
// the newest spin does not count.
struct LongestAbsence
{
    int length = 0;
    int end = 0;
};
using LongestAbsences = std::array<LongestAbsence, kIntervalCount>;
LongestAbsences longestIntervalAbsences(std::span<const std::int16_t> spins);

// The "Maximális kimaradás" report: a title line, an empty line, then one
// line per interval, "  01-05" + four blanks + the length in two characters
// + five blanks + the position in four characters (UTF-8).
std::vector<std::string> intervalReport(const LongestAbsences &longest);

} // namespace vintaro
