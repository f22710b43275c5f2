// The wheel window opened from the "Eszközök" menu: its sector table over a
// fixed list of spins with the rows written out, the neighbour row across
// the 0/26 seam, the heat legend, a double click that enters a spin, and
// following the history live.
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <vector>

#include "wheel/wheelview.h"
#include "widgets/appearance.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class WheelWindowTest : public WindowTest
{
protected:
    QWidget *openWheel() { return openWindow(QStringLiteral("kerek"), "Kerek"); }
    static QStringList tableRow(QWidget *wheel, int row)
    {
        const QAbstractItemModel *model = control<QAbstractItemView>(wheel, "SectorTable")->model();
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(row, c).data().toString();
        return cells;
    }
    static QString rowName(QWidget *wheel, int row)
    {
        return control<QAbstractItemView>(wheel, "SectorTable")->model()->headerData(row, Qt::Vertical).toString();
    }
    // The five rows as the player reads them, each "pockets hits expected
    // current-absence longest-absence".
    using Rows = std::vector<std::string>;
    static Rows table(QWidget *wheel)
    {
        Rows rows;
        for (int r = 0; r < 5; ++r)
            rows.push_back(tableRow(wheel, r).join(QLatin1Char(' ')).toStdString());
        return rows;
    }
};

// Fourteen spins that hold, for every sector, the pocket at each of its ends
// and the pocket just outside, in different numbers: a sector moved by one
// pocket either way counts other hits. Voisins du zéro: 22 … 25, Jeu zéro:
// 12 … 15, Tiers du cylindre: 27 … 33, Orphelins: 1 … 9 and 17 … 6.
//   position  1  2  3  4  5  6  7  8  9 10 11 12 13 14
//   spin     22  4  0 17 12  5 22  9 36  1 15  6  4 32
//   Voisins   x  x  x     x     x           x     x  x   8 hits
//   Jeu zéro        x     x                 x        x   4
//   Tiers                    x        x                  2
//   Orphelins          x           x     x     x         4
const std::initializer_list<int> kSpins = {22, 4, 0, 17, 12, 5, 22, 9, 36, 1, 15, 6, 4, 32};
const std::string kVoisins = "17 8 6,4 0 3"; // 14 x 17 / 37 = 6,43 expected
const std::string kJeuZero = "7 4 2,6 0 5";
const std::string kTiers = "12 2 4,5 5 5";
const std::string kOrphelins = "8 4 3,0 2 3";

TEST_F(WheelWindowTest, OpensOnceFromTheToolsMenu)
{
    auto *tools = window->findChild<QMenu *>(QStringLiteral("eszkozok"));
    ASSERT_NE(tools, nullptr);
    ASSERT_FALSE(tools->actions().isEmpty());
    EXPECT_EQ(tools->actions().first()->objectName(), QStringLiteral("kerek"));
    EXPECT_EQ(tools->actions().first()->text(), u8("Kerék"));

    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->windowTitle(), u8("Kerék"));
    EXPECT_EQ(openWheel(), wheel); // chosen again: the same window comes to the front
    const QStringList pockets = {"17", "7", "12", "8"};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(tableRow(wheel, r), (r < 4 ? QStringList{pockets[r], "0", "0,0", "0", "0"}
                                             : QStringList{"", "", "", "", ""}))
            << r;
    EXPECT_EQ(rowName(wheel, 4), u8("Szomszédok"));
}

TEST_F(WheelWindowTest, TableCountsSectorsAndNeighboursAndFollowsTheHistory)
{
    enter(kSpins);
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    auto *view = control<WheelView>(wheel, "WheelView");
    auto *neighbours = control<QSpinBox>(wheel, "Neighbours");
    ASSERT_TRUE(view && neighbours);
    EXPECT_EQ(rowName(wheel, 0), QStringLiteral("Voisins du zéro"));
    EXPECT_EQ(rowName(wheel, 3), QStringLiteral("Orphelins"));

    // The neighbours of a pocket, read off the wheel: 19 sits between 15 and
    // 4; across the seam 26 sits between 3 and 0.
    const struct
    {
        int pocket, k;
        const char *chosen;
        std::string row;
    } choices[] = {
        {19, 1, "Választott zseb: 19   Szomszédok: 15 19 4", "3 3 1,1 1 8"},
        {0, 2, "Választott zseb: 0   Szomszédok: 3 26 0 32 15", "5 3 1,9 0 7"},
        {26, 1, "Választott zseb: 26   Szomszédok: 3 26 0", "3 1 1,1 11 11"},
        {17, 2, "Választott zseb: 17   Szomszédok: 2 25 17 34 6", "5 2 1,9 2 7"},
        {4, 4, "Választott zseb: 4   Szomszédok: 0 32 15 19 4 21 2 25 17", "9 6 3,4 0 6"},
    };
    for (const auto &c : choices) {
        QTest::mouseClick(view, Qt::LeftButton, {}, view->pocketCentre(c.pocket));
        neighbours->setValue(c.k);
        EXPECT_EQ(control<QLabel>(wheel, "Chosen")->text().toStdString(), c.chosen);
        EXPECT_EQ(table(wheel), (Rows{kVoisins, kJeuZero, kTiers, kOrphelins, c.row})) << c.chosen;
    }
    // Live: a spin of 32 (Voisins and Jeu zéro, beside 0), then taken back.
    neighbours->setValue(2);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->pocketCentre(17));
    enter({32});
    EXPECT_EQ(table(wheel), (Rows{"17 9 6,9 0 3",
                                  "7 5 2,8 0 5",
                                  "12 2 4,9 6 6",
                                  "8 4 3,2 3 3",
                                  "5 2 2,0 3 7"}));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(table(wheel), (Rows{kVoisins, kJeuZero, kTiers, kOrphelins, "5 2 1,9 2 7"}));
}

// The rows keep one line of figures under their names while the figures
// change, and grow with a larger font.
TEST_F(WheelWindowTest, RowsHoldTheirLineAsFiguresAndFontsChange)
{
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    auto *view = control<QTableView>(wheel, "SectorTable");
    ASSERT_NE(view, nullptr);
    const auto rowsHold = [view](const char *when) {
        const int line = QFontMetrics(view->font()).height();
        for (int r = 0; r < 5; ++r) {
            EXPECT_GE(view->rowHeight(r), line + 2) << when << " row " << r;
            EXPECT_EQ(view->rowHeight(r), view->rowHeight(0)) << when << " row " << r;
        }
    };
    rowsHold("empty");
    enter(kSpins);
    rowsHold("after spins");
    const int before = view->rowHeight(0);
    QFont larger = wheel->font();
    if (larger.pixelSize() > 0)
        larger.setPixelSize(larger.pixelSize() * 2);
    else
        larger.setPointSizeF(larger.pointSizeF() * 2);
    wheel->setFont(larger);
    QApplication::processEvents();
    rowsHold("larger font");
    EXPECT_GT(view->rowHeight(0), before + 4);
}

TEST_F(WheelWindowTest, LargeNumbersAreGroupedLikeTheOddsWindow)
{
    QByteArray list;
    for (int i = 0; i < 2200; ++i)
        list += QByteArray::number(i % 37 == 5 ? 17 : i % 37) + "\r\n";
    put(QStringLiteral("rszamok.txt"), list);
    trigger(QStringLiteral("indit"));
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    // Voisins du zéro: 2 200 x 17 / 37 = 1 010,8 expected; thousands apart by
    // a narrow no-break space, a decimal comma.
    const QChar narrow(0x202F);
    EXPECT_EQ(tableRow(wheel, 0)[2], QStringLiteral("1") + narrow + QStringLiteral("010,8"));
    EXPECT_EQ(tableRow(wheel, 0)[1], QStringLiteral("1") + narrow + QStringLiteral("010"));
    QTest::mouseClick(control<QRadioButton>(wheel, "HeatAll"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(wheel, "LegendHigh")->text(), QStringLiteral("119")); // 17 took 5's place: 60 + 59
}

TEST_F(WheelWindowTest, HeatLegendEndsFollowTheMeasure)
{
    enter({5, 5, 5, 17});
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    const struct { const char *option, *low, *high; } measures[] = {
        {"Heat37", "0", "3"},      // 5 came three times, most numbers never
        {"HeatAbsence", "0", "4"}, // 17 came last; a number never seen is absent for all 4 spins
        {"HeatAll", "0", "3"},
    };
    for (const auto &m : measures) {
        QTest::mouseClick(control<QRadioButton>(wheel, m.option), Qt::LeftButton);
        EXPECT_EQ(control<QLabel>(wheel, "LegendLow")->text(), QLatin1String(m.low)) << m.option;
        EXPECT_EQ(control<QLabel>(wheel, "LegendHigh")->text(), QLatin1String(m.high)) << m.option;
    }
}

TEST_F(WheelWindowTest, DoubleClickEntersThePocketLikeTheEntryGrid)
{
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    auto *view = control<WheelView>(wheel, "WheelView");
    QTest::mouseDClick(view, Qt::LeftButton, {}, view->pocketCentre(26));
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    26"});
    EXPECT_EQ(text(QStringLiteral("Label3")), QStringLiteral("26"));
    EXPECT_EQ(tableRow(wheel, 1)[1], QStringLiteral("1")); // Jeu zéro counts it at once
}

} // namespace
} // namespace vintaro::test
