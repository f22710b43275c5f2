// A full history: 32 736 spins, the last ones entered on the grid; every
// analysis, the examination, both sorts, the chart window and the interval
// window over it; save and reload give the same file; one more spin is
// refused.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <random>

#include "core/spinhistory.h"
#include "core/textformat.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

constexpr int kFull = SpinHistory::kCapacity;

class FullCapacityTest : public WindowTest
{
protected:
    // Opens the chart window with "Grafikon" and closes it by a double-click
    // on its graph; the number of points it showed, -1 when none opened.
    int chartPoints()
    {
        int points = -1;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QDialog *chart = openDialog("diagramm");
            if (!chart)
                return;
            QWidget *graph = chart->findChild<QWidget *>(QStringLiteral("Graph1"));
            points = graph ? graph->property("pointCount").toInt() : -2;
            if (graph)
                QTest::mouseDClick(graph, Qt::LeftButton);
            if (chart->isVisible())
                chart->reject();
        });
        timer.start(0);
        click(QStringLiteral("Command18"));
        return points;
    }
};

TEST_F(FullCapacityTest, AFullHistoryRunsEveryPartAndSurvivesSaveAndReload)
{
    std::mt19937 random(32736);
    std::vector<int> spins;
    spins.reserve(kFull);
    QByteArray working;
    for (int k = 0; k < kFull - 5; ++k) {
        spins.push_back(int(random() % 37));
        working += QByteArray::number(spins.back()) + "\r\n";
    }
    put(QStringLiteral("rszamok.txt"), working);
    put(QStringLiteral("terem.txt"), "3\r\n");
    trigger(QStringLiteral("indit"));
    ASSERT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" %1").arg(kFull - 5));
    for (int n : {36, 0, 17, 5, 1}) {
        click(QStringLiteral("Command3D1(%1)").arg(n));
        spins.push_back(n);
    }
    ASSERT_EQ(text(QStringLiteral("Label5")), QString::number(kFull));
    const QStringList history = lines(QStringLiteral("List1"));
    ASSERT_EQ(history.size(), kFull);
    EXPECT_EQ(history.back(), QStringLiteral("32736    1"));
    EXPECT_EQ(history[9998], QStringLiteral("9999    %1").arg(spins[9998]));
    EXPECT_EQ(history[9999], QStringLiteral("10000    %1").arg(spins[9999]));

    // Every analysis selects its leading group and reports every group.
    const std::pair<const char *, int> analyses[] = {{"Command3", 3},  {"Command14", 6}, {"Command4", 4},
                                                     {"Command5", 2},  {"Command6", 3},  {"Command7", 2},
                                                     {"Command10", 1}};
    for (const auto &[name, members] : analyses) {
        click(QLatin1String(name));
        EXPECT_FALSE(lines(QStringLiteral("List2")).isEmpty()) << name;
        EXPECT_EQ(text(QStringLiteral("Label24")).trimmed().toInt(), members) << name;
        int selected = 0;
        for (int n = 0; n <= 36; ++n)
            selected += window->selection().isSelected(n) ? 1 : 0;
        EXPECT_EQ(selected, members) << name;
    }

    // The examination walks every spin: one report line per spin.
    click(QStringLiteral("Command12"));
    for (int n : {5, 17})
        click(QStringLiteral("Command3D3(%1)").arg(n));
    click(QStringLiteral("Command11"));
    EXPECT_EQ(lines(QStringLiteral("List2")).size(), kFull);
    const int hits = int(std::count_if(spins.begin(), spins.end(), [](int s) { return s == 5 || s == 17; }));
    EXPECT_EQ(text(QStringLiteral("Label12")), QString::number(hits));

    // Both sorts keep each number with its own absence; "II." restores 1..36.
    const QString absenceOf1 = text(QStringLiteral("Label26(1)"));
    click(QStringLiteral("Command16"));
    EXPECT_EQ(text(QStringLiteral("Label25(1)")), QStringLiteral("1")); // the newest spin: absence 0
    EXPECT_EQ(text(QStringLiteral("Label26(1)")), QStringLiteral("0"));
    click(QStringLiteral("Command17"));
    for (int n = 1; n <= 36; ++n)
        ASSERT_EQ(text(QStringLiteral("Label25(%1)").arg(n)), QString::number(n));
    EXPECT_EQ(text(QStringLiteral("Label26(1)")), absenceOf1);

    // The chart of the selection: one point per spin.
    click(QStringLiteral("Option1(14)"));
    EXPECT_EQ(chartPoints(), kFull);
    EXPECT_EQ(openDialog("diagramm"), nullptr);

    // The interval window opens over the full history.
    QWidget *intervals = openWindow(QStringLiteral("interval5x"), "Interval5");
    ASSERT_NE(intervals, nullptr);
    intervals->close();

    // Save, then switch to the room and Start in a new run: the same spins,
    // and saving them again writes the same bytes.
    click(QStringLiteral("Command15"));
    QByteArray expected;
    for (int s : spins)
        expected += QByteArray::fromStdString(historyLine(1, s)).right(2) + "\r\n";
    const QByteArray saved = bytes(QStringLiteral("rszamok3.txt"));
    ASSERT_EQ(saved, expected);
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_TRUE(platform->questions.empty());

    trigger(QStringLiteral("terem3"));
    ASSERT_EQ(platform->exits, 1);
    recreateWindow();
    trigger(QStringLiteral("indit"));
    ASSERT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" %1").arg(kFull));
    EXPECT_EQ(lines(QStringLiteral("List1")), history);
    EXPECT_TRUE(platform->messages.empty()); // nothing skipped, nothing left out
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), saved);
    EXPECT_TRUE(platform->questions.empty());

    // The 32 737th spin is refused: a critical message, nothing changes.
    click(QStringLiteral("Command3D1(8)"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Critical);
    EXPECT_TRUE(platform->messages[0].text.contains(QStringLiteral("32736"))) << platform->messages[0].text.toStdString();
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" %1").arg(kFull));
    EXPECT_EQ(lines(QStringLiteral("List1")).size(), kFull);
    EXPECT_EQ(window->session().history().at(kFull), 1);
    EXPECT_FALSE(window->session().unsaved());
}

} // namespace
} // namespace vintaro::test
