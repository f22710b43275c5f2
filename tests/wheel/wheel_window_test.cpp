// The wheel window opened from the "Eszközök" menu: its sector table against
// a spin-by-spin count, the neighbour row across the 0/26 seam, the heat
// legend, a double click that enters a spin, and following the history live.
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <random>

#include "core/wheel.h"
#include "wheel/wheelview.h"
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
    // What the table must show for a set, counted spin by spin.
    QStringList expectedRow(const NumberSet &set) const
    {
        int hits = 0, run = 0, longest = 0;
        const auto spins = window->session().history().spins();
        for (int x : spins) {
            const bool hit = set.test(size_t(x));
            hits += hit;
            run = hit ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        const QString expected = QString::number(double(spins.size()) * double(set.count()) / 37.0, 'f', 1);
        // Small histories: below a thousand, no grouping.
        return {QString::number(set.count()), QString::number(hits), QString(expected).replace('.', ','),
                QString::number(run), QString::number(longest)};
    }
    void expectTable(QWidget *wheel, int pocket, int k) const
    {
        for (int r = 0; r < kSectorCount; ++r)
            EXPECT_EQ(tableRow(wheel, r), expectedRow(sectorSet(kSectors[size_t(r)]))) << rowName(wheel, r).toStdString();
        EXPECT_EQ(tableRow(wheel, 4), expectedRow(neighbourSet(pocket, k))) << "pocket " << pocket << " k " << k;
    }
};

TEST_F(WheelWindowTest, OpensOnceFromTheToolsMenu)
{
    auto *tools = window->findChild<QMenu *>(QStringLiteral("eszkozok"));
    ASSERT_NE(tools, nullptr);
    ASSERT_FALSE(tools->actions().isEmpty());
    EXPECT_EQ(tools->actions().first()->objectName(), QStringLiteral("kerek"));
    EXPECT_EQ(tools->actions().first()->text(), QString::fromUtf8("Kerék"));

    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->windowTitle(), QString::fromUtf8("Kerék"));
    EXPECT_EQ(openWheel(), wheel); // chosen again: the same window comes to the front
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(tableRow(wheel, r), (r < 4 ? QStringList{QString::number(sectorSet(kSectors[size_t(r)]).count()),
                                                           "0", "0,0", "0", "0"}
                                             : QStringList{"", "", "", "", ""}))
            << r;
    EXPECT_EQ(rowName(wheel, 4), QString::fromUtf8("Szomszédok"));
}

TEST_F(WheelWindowTest, TableCountsSectorsAndNeighboursAndFollowsTheHistory)
{
    std::mt19937 random(36);
    for (int i = 0; i < 600; ++i)
        window->enterSpin(int(random() % 37));
    QWidget *wheel = openWheel();
    ASSERT_NE(wheel, nullptr);
    auto *view = control<WheelView>(wheel, "WheelView");
    auto *neighbours = control<QSpinBox>(wheel, "Neighbours");
    ASSERT_TRUE(view && neighbours);

    const struct { int pocket, k; } choices[] = {{0, 1}, {0, 4}, {26, 1}, {26, 4}, {17, 2}};
    for (const auto &c : choices) {
        QTest::mouseClick(view, Qt::LeftButton, {}, view->pocketCentre(c.pocket));
        neighbours->setValue(c.k);
        expectTable(wheel, c.pocket, c.k);
    }
    // Live: a spin entered, then taken back.
    enter({32});
    expectTable(wheel, 17, 2);
    click(QStringLiteral("Command1"));
    expectTable(wheel, 17, 2);
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
