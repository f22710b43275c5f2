// The seven group analyses as the main window shows them.
#include <QFile>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class GroupAnalyses : public WindowTest
{
protected:
    bool shownSelected(int n) const
    {
        QAbstractButton *b = button(QStringLiteral("Command3D3(%1)").arg(n));
        return b->text().isEmpty() && !b->icon().isNull();
    }
    std::vector<int> selectedOnGrid() const
    {
        std::vector<int> out;
        for (int n = 0; n <= 36; ++n)
            if (shownSelected(n))
                out.push_back(n);
        return out;
    }
    QStringList labels() const
    {
        return {text("Label12"), text("Label14"), text("Label18"), text("Label20"), text("Label24")};
    }
};

TEST_F(GroupAnalyses, OneSpinOfFiveAndTheStreets)
{
    click("Command3"); // no history: nothing happens, not even clearing
    EXPECT_EQ(button("Command3D3(7)")->text(), "7");
    EXPECT_TRUE(lines("List2").isEmpty());

    enter({5});
    click("Command3D3(30)"); // an analysis starts from an empty selection
    click("Command3D3(0)");
    click("Command3");
    const QStringList report = lines("List2");
    ASSERT_EQ(report.size(), 72);
    EXPECT_EQ(report.mid(0, 12), (QStringList{"", "Utca :  01 02 03", "Hányszor :  0", "Kimarad :  1",
                                              "M.kimarad :  1", "*******************", "", "Utca :  04 05 06",
                                              "Hányszor :  1", "Kimarad :  0", "M.kimarad :  0",
                                              "*******************"}));
    EXPECT_EQ(report.last(), "*******************");
    EXPECT_EQ(selectedOnGrid(), (std::vector<int>{1, 2, 3}));
    for (int n : {0, 4, 30})
        EXPECT_EQ(button(QStringLiteral("Command3D3(%1)").arg(n))->text(), QStringLiteral(" %1 ").arg(n));
    EXPECT_EQ(labels(), (QStringList{"0", "1", "1", "1", "3"}));
    EXPECT_EQ(topRow(child<QAbstractItemView>("List2")), 0);
}

TEST_F(GroupAnalyses, EveryKindSelectsItsLeaderAndShowsItsCount)
{
    enter({0, 0, 0});
    struct Case
    {
        const char *button;
        std::vector<int> selected;
        const char *count;
        int reportLines;
        const char *groupLine;
    };
    const Case cases[] = {
        {"Command3", {1, 2, 3}, "3", 72, "Utca :  01 02 03"},
        {"Command14", {1, 2, 3, 4, 5, 6}, "6", 77, "Hat szám :  "},
        {"Command4", {1, 2, 4, 5}, "4", 132, "Corner :  01 02 04 05"},
        {"Command5", {1, 2}, "2", 342, "Pár :  01 02"},
        {"Command6", {1, 5, 9}, "3", 120, "N. átló :  01 05 09"},
        {"Command7", {1, 5}, "2", 264, "K. átló :  01 05"},
        {"Command10", {1}, "1", 222, "Szám :  0"},
    };
    for (const Case &c : cases) {
        click(c.button);
        EXPECT_EQ(selectedOnGrid(), c.selected) << c.button;
        EXPECT_EQ(text("Label24"), c.count) << c.button;
        const QStringList report = lines("List2");
        EXPECT_EQ(report.size(), c.reportLines) << c.button;
        EXPECT_EQ(report.value(1), QString::fromUtf8(c.groupLine)) << c.button;
    }
    // Zeros only: every table group misses every spin; 0 itself has just hit.
    click("Command6");
    EXPECT_EQ(labels(), (QStringList{"0", "3", "3", "3", "3"}));
    click("Command10");
    EXPECT_EQ(lines("List2").mid(0, 6),
              (QStringList{"", "Szám :  0", "Hányszor :  3", "Kimarad :  0", "M.kimarad :  0", "*******************"}));
    click("Command14");
    EXPECT_EQ(lines("List2").mid(0, 7), (QStringList{"", "Hat szám :  ", "  01 02 03 04 05 06", "Hányszor :  0",
                                                     "Kimarad :  3", "M.kimarad :  3", "*******************"}));
}

TEST_F(GroupAnalyses, ALongestAbsenceReachedTwiceKeepsItsFirstPosition)
{
    // One spin in each street but the first, a 1, then the same again: street
    // 1 is absent 11 twice and leads; the position is the end of the first run.
    const auto otherStreets = {4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34};
    enter(otherStreets);
    enter({1});
    enter(otherStreets);
    click("Command3");
    EXPECT_EQ(selectedOnGrid(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(labels(), (QStringList{"1", "11", "11", "11", "3"}));
    EXPECT_EQ(lines("List2").mid(6, 5),
              (QStringList{"", "Utca :  04 05 06", "Hányszor :  2", "Kimarad :  10", "M.kimarad :  11"}));

    // A leader whose open run set the record: its position is the last spin.
    click("Command10");
    EXPECT_EQ(selectedOnGrid(), std::vector<int>{0});
    EXPECT_EQ(labels(), (QStringList{"0", "23", "23", "23", "1"}));
}

TEST_F(GroupAnalyses, MissingGroupFilesAreNamedOnceAndLeaveTheirTablesEmpty)
{
    EXPECT_TRUE(platform->messages.empty());
    QFile::remove(file("parok.txt"));
    QFile::remove(file("natlo.txt"));
    recreateWindow();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Critical);
    EXPECT_TRUE(platform->messages[0].text.contains("parok.txt"));
    EXPECT_TRUE(platform->messages[0].text.contains("natlo.txt"));
    EXPECT_FALSE(platform->messages[0].text.contains("katlo.txt"));

    enter({5});
    click("Command3D3(20)");
    click("Command5"); // no pairs: the selection is cleared and nothing is chosen
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_TRUE(selectedOnGrid().empty());
    EXPECT_EQ(text("Label24"), "0");
    EXPECT_EQ(text("Label12"), "");
    click("Command7"); // the small diagonals still work
    EXPECT_EQ(lines("List2").size(), 264);
    EXPECT_EQ(text("Label24"), "2");
}

TEST_F(GroupAnalyses, ShortAndLongGroupFiles)
{
    // 60 pair lines: only 57 are read.
    QByteArray pairs;
    for (int i = 0; i < 57; ++i)
        pairs += "33 36\r\n";
    pairs += "07 09\r\n07 09\r\n07 09\r\n";
    put("parok.txt", pairs);
    // Two corners with a blank line between them.
    put("corner.txt", "04 05 07 08\r\n\r\n01 02 04 05\r\n");
    recreateWindow();
    EXPECT_TRUE(platform->messages.empty());
    enter({5});

    click("Command5");
    const QStringList report = lines("List2");
    EXPECT_EQ(report.size(), 57 * 6);
    EXPECT_EQ(report.count("Pár :  33 36"), 57);
    EXPECT_FALSE(report.contains("Pár :  07 09"));

    click("Command4");
    EXPECT_EQ(lines("List2"), (QStringList{"", "Corner :  04 05 07 08", "Hányszor :  1", "Kimarad :  0",
                                           "M.kimarad :  0", "*******************", "", "Corner :  01 02 04 05",
                                           "Hányszor :  1", "Kimarad :  0", "M.kimarad :  0",
                                           "*******************"}));
    // Both corners hold 5: nothing to select, and no group of zeros stands in.
    EXPECT_TRUE(selectedOnGrid().empty());
    EXPECT_EQ(text("Label24"), "0");
}

} // namespace
} // namespace vintaro::test
