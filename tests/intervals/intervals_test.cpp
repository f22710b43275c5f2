#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intervals/analysis/intervals.h"

namespace vintaro {
namespace {

using Spins = std::vector<std::int16_t>;

// A font where a blank is 3 wide and every other character 6, like the
// program's own font; a digit field of "00" is 12.
int proportionalWidth(std::string_view text)
{
    int width = 0;
    for (char c : text)
        width += c == ' ' ? 3 : 6;
    return width;
}

// A fixed-pitch font: nothing needs widening.
int fixedWidth(std::string_view text) { return static_cast<int>(text.size()) * 7; }

TEST(Intervals, NumbersFallIntoSevenIntervalsAndZeroIntoNone)
{
    EXPECT_EQ(intervalOf(0), 0);
    EXPECT_EQ(intervalOf(1), 1);
    EXPECT_EQ(intervalOf(5), 1);
    EXPECT_EQ(intervalOf(6), 2);
    EXPECT_EQ(intervalOf(30), 6);
    EXPECT_EQ(intervalOf(31), 7);
    EXPECT_EQ(intervalOf(35), 7);
    EXPECT_EQ(intervalOf(36), 7);
    // A value that only an edited list file can bring hits nothing.
    EXPECT_EQ(intervalOf(37), 0);
    EXPECT_EQ(intervalOf(-4), 0);
}

TEST(Intervals, SpinLinesMarkTheIntervalHit)
{
    EXPECT_EQ(intervalLine(1, 7), "0001  _ 1 _ _ _ _ _");
    EXPECT_EQ(intervalLine(1, 36), "0001  _ _ _ _ _ _ 1");
    EXPECT_EQ(intervalLine(2, 31), "0002  _ _ _ _ _ _ 1");
    EXPECT_EQ(intervalLine(3, 0), "0003  _ _ _ _ _ _ _");
    EXPECT_EQ(intervalLine(4, 5), "0004  1 _ _ _ _ _ _");
    EXPECT_EQ(intervalLine(9999, 16), "9999  _ _ _ 1 _ _ _");
    // Positions of five digits are written in full.
    EXPECT_EQ(intervalLine(10000, 21), "10000  _ _ _ _ 1 _ _");
    EXPECT_EQ(intervalLine(32736, 30), "32736  _ _ _ _ _ 1 _");
}

TEST(Intervals, CurrentAbsencesCountSpinsSinceTheLatestHit)
{
    EXPECT_EQ(currentIntervalAbsences(Spins{}), (IntervalAbsences{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(currentIntervalAbsences(Spins{36, 31, 0, 5}), (IntervalAbsences{0, 4, 4, 4, 4, 4, 2}));
    EXPECT_EQ(currentIntervalAbsences(Spins{0, 0, 0}), (IntervalAbsences{3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(currentIntervalAbsences(Spins{10, 1, 2, 3}), (IntervalAbsences{0, 3, 4, 4, 4, 4, 4}));
}

TEST(Intervals, AbsenceTextPadsEveryFieldToTheWidthOfTwoDigits)
{
    const IntervalAbsences zeros{0, 0, 0, 0, 0, 0, 0};
    // " 0" prints 9 wide, "  0" 12: one blank more, then the separating blank.
    EXPECT_EQ(absenceText(zeros, proportionalWidth), "   0   0   0   0   0   0   0");
    EXPECT_EQ(absenceText({0, 4, 4, 4, 4, 4, 2}, proportionalWidth), "   0   4   4   4   4   4   2");
    // Two digits already fill the field; longer absences are written in full.
    EXPECT_EQ(absenceText({12, 99, 100, 1234, 5, 0, 7}, proportionalWidth), " 12 99 100 1234   5   0   7");
    // In a fixed-pitch font the two-character field is already as wide as "00".
    EXPECT_EQ(absenceText({0, 4, 4, 4, 4, 4, 2}, fixedWidth), "  0  4  4  4  4  4  2");
    // A font whose blank has no width cannot widen a field; the text still ends.
    EXPECT_EQ(absenceText({1, 2, 3, 4, 5, 6, 7}, [](std::string_view t) {
                  int w = 0;
                  for (char c : t)
                      w += c == ' ' ? 0 : 6;
                  return w;
              }),
              "  1  2  3  4  5  6  7");
}

TEST(Intervals, ReportOfAnEmptyHistoryListsEveryRangeWithZeros)
{
    const std::vector<std::string> expected = {
        "  Maximális kimaradás",
        "",
        "  01-05     0        0",
        "  06-10     0        0",
        "  11-15     0        0",
        "  16-20     0        0",
        "  21-25     0        0",
        "  26-30     0        0",
        "  31-36     0        0",
    };
    EXPECT_EQ(intervalReport(longestIntervalAbsences(Spins{})), expected);
}

TEST(Intervals, ReportCountsOnlyAbsencesEndedByAHit)
{
    // Interval 1 ends an absence of 3 at spin 4; interval 7 was hit at spins 1
    // and 2 straight away; the others never came and report nothing.
    const auto lines = intervalReport(longestIntervalAbsences(Spins{36, 31, 0, 5}));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "  01-05     3        4");
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(lines[static_cast<size_t>(k + 1)].substr(7), "     0        0") << k;
    EXPECT_EQ(lines[8], "  31-36     0        0");

    // A long absence still running at the newest spin does not count.
    const auto open = longestIntervalAbsences(Spins{1, 7, 1, 7, 7, 7, 7, 7});
    EXPECT_EQ(open[0].length, 1);
    EXPECT_EQ(open[0].end, 3);
}

TEST(Intervals, ATieKeepsTheFirstAbsence)
{
    // Interval 2 (6-10): absences of 2 ended at spins 3 and 6, then 1 at 8.
    const auto longest = longestIntervalAbsences(Spins{0, 0, 8, 1, 2, 10, 0, 6});
    EXPECT_EQ(longest[1].length, 2);
    EXPECT_EQ(longest[1].end, 3);
    // A longer one later replaces it.
    const auto longer = longestIntervalAbsences(Spins{0, 0, 8, 1, 2, 3, 10});
    EXPECT_EQ(longer[1].length, 3);
    EXPECT_EQ(longer[1].end, 7);
}

TEST(Intervals, ReportWritesLongFiguresInFull)
{
    Spins spins(12344, 0);
    spins.push_back(33); // interval 7 ends an absence of 12 344 at spin 12 345
    const auto lines = intervalReport(longestIntervalAbsences(spins));
    EXPECT_EQ(lines[8], "  31-36    12344     12345");
    EXPECT_EQ(lines[2], "  01-05     0        0");
}

} // namespace
} // namespace vintaro
