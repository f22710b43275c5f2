// Examining the selection spin by spin, and the per-number rows sorted by
// absence and back by number.
#include "widgets/appearance.h"
#include "core/numbermodel.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

using ExamineSelection = WindowTest;

TEST_F(ExamineSelection, FiveOverFiveOneOneFive)
{
    enter({5, 1, 1, 5});
    click("Command11"); // nothing selected: nothing happens
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_EQ(text("Label12"), "");

    click("Command3D3(5)");
    click("Command11");
    EXPECT_EQ(lines("List2"), (QStringList{"   1   0 *", "   2   -", "   3   -", "   4   2 *"}));
    EXPECT_EQ(text("Label12"), "2");
    EXPECT_EQ(text("Label14"), "0");
    EXPECT_EQ(text("Label18"), "2");
    EXPECT_EQ(text("Label20"), "3");
    EXPECT_EQ(text("Label24"), " 1"); // the selection stays as it was
    EXPECT_TRUE(button("Command3D3(5)")->text().isEmpty());
}

TEST_F(ExamineSelection, AnAnalysedGroupIsExaminedAsOneBet)
{
    // Street 12 comes at 1 and 13 and is then absent 11, the longest.
    const auto middleStreets = {4, 7, 10, 13, 16, 19, 22, 25, 28, 31};
    enter({36});
    enter(middleStreets);
    enter({1, 35});
    enter(middleStreets);
    enter({1});
    click("Command3");
    const QStringList groupReport = lines("List2");
    ASSERT_FALSE(groupReport.isEmpty());
    ASSERT_EQ(text("Label24"), "3");
    ASSERT_TRUE(button("Command3D3(35)")->text().isEmpty());
    click("Command11");
    const QStringList report = lines("List2");
    ASSERT_EQ(report.size(), 24);
    EXPECT_EQ(report[0], "   1   0 *");
    EXPECT_EQ(report[11], "  12   -");
    EXPECT_EQ(report[12], "  13   11 *");
    EXPECT_EQ(report[23], "  24   -");
    EXPECT_EQ(text("Label12"), "2");
    EXPECT_EQ(text("Label14"), "11");
    EXPECT_EQ(text("Label18"), "11");
    EXPECT_EQ(text("Label20"), "12");
    EXPECT_EQ(topRow(child<QAbstractItemView>("List2")), 0);

    // The examination gives way: clearing the selection empties the list, a
    // new analysis shows its own report.
    click("Command12");
    EXPECT_TRUE(lines("List2").isEmpty());
    click("Command11");
    click("Command3");
    EXPECT_EQ(lines("List2"), groupReport);
    click("Command11");
    EXPECT_EQ(lines("List2").size(), 24);
}

TEST_F(ExamineSelection, TheSelectedCountIsTrusted)
{
    enter({5, 6});
    click("Command3D3(5)");
    window->selection().setCountText("0");
    click("Command11"); // reads 0: not examined although 5 is flagged
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_EQ(text("Label12"), "");

    click("Command12");
    window->selection().setCountText(" 1");
    click("Command11"); // reads 1 with no flag set: every spin misses
    EXPECT_EQ(lines("List2"), (QStringList{"   1   -", "   2   -"}));
    EXPECT_EQ(text("Label12"), "0");
    EXPECT_EQ(text("Label14"), "2");
    EXPECT_EQ(text("Label18"), "2");
    EXPECT_EQ(text("Label20"), "2");
}

class SortedRows : public WindowTest
{
protected:
    QLabel *numberLabel(int c) const { return child<QLabel>(QStringLiteral("Label25(%1)").arg(c)); }
    QLabel *absenceLabel(int c) const { return child<QLabel>(QStringLiteral("Label26(%1)").arg(c)); }
    QStringList row(const char *name) const
    {
        QStringList out;
        for (int c = 1; c <= 36; ++c)
            out << text(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(c));
        return out;
    }
    // Every number is shown in its own colour wherever it stands.
    void expectColoursFollowNumbers() const
    {
        for (int c = 1; c <= 36; ++c) {
            const int n = numberLabel(c)->text().toInt();
            EXPECT_EQ(numberLabel(c)->palette().color(QPalette::WindowText), rgb(displayColour(n))) << "element " << c;
        }
    }
};

TEST_F(SortedRows, ByAbsenceWithTiesAndBackByNumber)
{
    click("Command16"); // no history: nothing changes
    EXPECT_EQ(text("Label25(1)"), "1");
    EXPECT_EQ(text("Label26(1)"), "");

    // Absences after 2, 7, 30, 12: 12 is 0, 30 is 1, 7 is 2, 2 is 3, the rest 4.
    enter({2, 7, 30, 12});
    click("Command16");
    const QStringList numbers = row("Label25");
    const QStringList absences = row("Label26");
    EXPECT_EQ(numbers.mid(0, 6), (QStringList{"12", "30", "7", "2", "1", "3"}));
    EXPECT_EQ(absences.mid(0, 6), (QStringList{"0", "1", "2", "3", "4", "4"}));
    EXPECT_EQ(numbers.last(), "36");
    EXPECT_EQ(absences.last(), "4");
    expectColoursFollowNumbers();
    EXPECT_EQ(numberLabel(1)->palette().color(QPalette::WindowText), rgb(kRedColour));   // 12 is red
    EXPECT_EQ(numberLabel(12)->palette().color(QPalette::WindowText), rgb(kBlackColour)); // now 11

    click("Command16"); // twice in a row: the same order
    EXPECT_EQ(row("Label25"), numbers);
    EXPECT_EQ(row("Label26"), absences);

    click("Command17");
    for (int c = 1; c <= 36; ++c)
        EXPECT_EQ(text(QStringLiteral("Label25(%1)").arg(c)), QString::number(c));
    EXPECT_EQ(row("Label26").mid(0, 12),
              (QStringList{"4", "3", "4", "4", "4", "4", "2", "4", "4", "4", "4", "0"}));
    EXPECT_EQ(text("Label26(30)"), "1");
    expectColoursFollowNumbers();
}

TEST_F(SortedRows, ReadsTheRowsAsTheyStand)
{
    enter({1});
    absenceLabel(5)->setText(QString()); // an empty absence reads as 0
    click("Command16");
    EXPECT_EQ(row("Label25").mid(0, 3), (QStringList{"1", "5", "2"}));
    EXPECT_EQ(row("Label26").mid(0, 3), (QStringList{"0", "0", "1"}));

    // A new spin puts the rows back in number order.
    enter({36});
    EXPECT_EQ(text("Label25(2)"), "2");
    EXPECT_EQ(text("Label26(36)"), "0");
    click("Command16");
    EXPECT_EQ(text("Label25(1)"), "36");
    EXPECT_EQ(text("Label25(2)"), "1");
    expectColoursFollowNumbers();
}

} // namespace
} // namespace vintaro::test
