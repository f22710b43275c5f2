// Entering spins on the real main window and reading what it shows.
#include <QFile>
#include <QPalette>

#include "widgets/listbox.h"
#include "tests/support/windowfixture.h"

using namespace vintaro;
using namespace vintaro::test;

namespace {

QColor textColour(QWidget *w) { return w->palette().color(QPalette::WindowText); }

class EntryTest : public WindowTest
{
protected:
    QString row(const char *name, int r) const { return text(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(r)); }
    void expectRow(int r, const char *hits, const char *current, const char *longest) const
    {
        EXPECT_EQ(row("Label7", r), QLatin1String(hits)) << "row " << r;
        EXPECT_EQ(row("Label8", r), QLatin1String(current)) << "row " << r;
        EXPECT_EQ(row("Label16", r), QLatin1String(longest)) << "row " << r;
    }
};

} // namespace

TEST_F(EntryTest, StartsEmpty)
{
    EXPECT_EQ(text("Label3"), "");
    EXPECT_EQ(text("Label5"), "");
    EXPECT_EQ(text("Label24"), "0");
    EXPECT_EQ(text("Label7(0)"), "");
    EXPECT_EQ(text("Label26(5)"), "");
    EXPECT_TRUE(lines("List1").isEmpty());
    EXPECT_FALSE(window->session().unsaved());
}

TEST_F(EntryTest, FirstSpinSeventeen)
{
    enter({17});
    EXPECT_EQ(text("Label3"), "17");
    EXPECT_EQ(textColour(child<QLabel>("Label3")), QColor(0, 0, 0));
    EXPECT_EQ(text("Label5"), "1");
    EXPECT_EQ(lines("List1"), QStringList{"   1    17"});
    expectRow(0, "1", "0", "0"); // Fekete
    expectRow(1, "0", "1", "1"); // Piros
    EXPECT_EQ(text("Label26(17)"), "0");
    EXPECT_EQ(text("Label26(5)"), "1");
    EXPECT_TRUE(window->session().unsaved());
}

TEST_F(EntryTest, FirstSpinZeroMissesEveryRow)
{
    enter({0});
    EXPECT_EQ(text("Label3"), "0");
    EXPECT_EQ(textColour(child<QLabel>("Label3")), QColor(0, 0, 0));
    for (int r = 0; r < 14; ++r)
        expectRow(r, "0", "1", "1");
    for (int n = 1; n <= 36; ++n)
        EXPECT_EQ(text(QStringLiteral("Label26(%1)").arg(n)), "1") << n;
}

TEST_F(EntryTest, RedNumberIsShownRed)
{
    enter({5});
    EXPECT_EQ(textColour(child<QLabel>("Label3")), QColor(255, 0, 0));
    enter({0});
    EXPECT_EQ(textColour(child<QLabel>("Label3")), QColor(0, 0, 0));
}

TEST_F(EntryTest, HistoryOneTwoThree)
{
    enter({1, 2, 3});
    expectRow(7, "1", "2", "2");  // Oszlop P
    expectRow(12, "2", "1", "1"); // Oszlop  P M
    expectRow(13, "2", "0", "1"); // Oszlop  M D
    EXPECT_EQ(lines("List1"), (QStringList{"   1    1", "   2    2", "   3    3"}));
    EXPECT_EQ(text("Label5"), "3");
}

TEST_F(EntryTest, HistoryListKeepsTheNewestSixLinesInView)
{
    auto *list = child<ListBox>("List1");
    enter({1, 2, 3, 4, 5});
    EXPECT_EQ(topRow(list), 0); // fewer than six lines: not scrolled
    enter({6, 7, 8, 9, 10});
    EXPECT_EQ(topRow(list), 4);
    EXPECT_EQ(list->model()->index(topRow(list), 0).data().toString(), "   5    5");
}

TEST_F(EntryTest, FiveDigitPositions)
{
    for (int i = 0; i < 10000; ++i)
        window->enterSpin(i % 37);
    const QStringList all = lines("List1");
    ASSERT_EQ(all.size(), 10000);
    EXPECT_EQ(all[9998], "9999    8"); // position p holds (p - 1) mod 37
    EXPECT_EQ(all[9999], "10000    9");
    EXPECT_EQ(text("Label5"), "10000");
}

TEST_F(EntryTest, FullHistoryRefusesAFurtherSpin)
{
    QFile list(file("rszamok.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    for (int i = 0; i < SpinHistory::kCapacity; ++i)
        list.write(i % 2 ? "17\r\n" : " 4\r\n");
    list.close();
    trigger("indit");
    ASSERT_EQ(text("Label5"), " 32736");
    platform->messages.clear();

    enter({9});
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Critical);
    EXPECT_TRUE(platform->messages[0].text.contains("32736")) << platform->messages[0].text.toStdString();
    EXPECT_EQ(text("Label5"), " 32736");
    EXPECT_EQ(text("Label3"), "");
    EXPECT_EQ(lines("List1").size(), SpinHistory::kCapacity);
    EXPECT_EQ(lines("List1").last(), "32736    17");
    EXPECT_FALSE(window->session().unsaved());
}

TEST_F(EntryTest, HiddenApplyButtonAppliesTheShownNumber)
{
    click("Command13"); // nothing entered yet: nothing happens
    EXPECT_EQ(text("Label5"), "");
    enter({9});
    click("Command13"); // applies 9 once more
    EXPECT_EQ(lines("List1"), (QStringList{"   1    9", "   2    9"}));
}
