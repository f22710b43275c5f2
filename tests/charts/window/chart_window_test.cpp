// "Grafikon" and the chart window it opens modally over the main window.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "widgets/appearance.h"
#include "widgets/twips.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

QDialog *openChartWindow() { return openDialog("diagramm"); }

QWidget *graphOf(QDialog *chart) { return chart->findChild<QWidget *>(QStringLiteral("Graph1")); }
QScrollBar *barOf(QDialog *chart) { return chart->findChild<QScrollBar *>(QStringLiteral("HScroll1")); }
QList<int> pointsOf(QWidget *graph) { return graph->property("points").value<QList<int>>(); }
int setting(QWidget *graph, const char *name) { return graph->property(name).toInt(); }
void type(QWidget *graph, char key) { QTest::keyClick(graph, key); }
// Whether the scroll bar lies inside the window, where the user sees it.
bool barShown(QDialog *chart) { return chart->rect().intersects(barOf(chart)->geometry()); }

class ChartWindowTest : public WindowTest
{
protected:
    // Clicks "Grafikon" and, while the chart window is open, runs `use` on
    // it; then double-clicks the graph, which must close it. Returns whether
    // the window opened.
    bool chart(const std::function<void(QDialog *, QWidget *)> &use = {})
    {
        bool opened = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QDialog *chart = openChartWindow();
            if (!chart)
                return;
            opened = true;
            QWidget *graph = graphOf(chart);
            if (graph && use)
                use(chart, graph);
            if (graph)
                QTest::mouseDClick(graph, Qt::LeftButton);
            EXPECT_FALSE(chart->isVisible()) << "a double-click on the graph closes the window";
            if (chart->isVisible())
                chart->reject();
        });
        timer.start(0);
        click(QStringLiteral("Command18"));
        timer.stop();
        EXPECT_EQ(openChartWindow(), nullptr);
        return opened;
    }

    void choose(int option) { click(QStringLiteral("Option1(%1)").arg(option)); }
    void select(int n) { click(QStringLiteral("Command3D3(%1)").arg(n)); }

    // Starts with spins 1, 2, ..., 36, 0, 1, ... (spin k is k mod 37).
    void startWith(int count)
    {
        QFile list(file(QStringLiteral("rszamok.txt")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        for (int k = 1; k <= count; ++k)
            list.write(QByteArray::number(k % 37) + "\r\n");
        list.close();
        trigger(QStringLiteral("indit"));
        ASSERT_EQ(text(QStringLiteral("Label5")).trimmed().toInt(), count);
    }
};

TEST_F(ChartWindowTest, NothingOpensWithoutSpinsOrWithoutASelection)
{
    select(5);
    EXPECT_FALSE(chart());
    choose(0);
    EXPECT_FALSE(chart());

    enter({5, 17});
    click(QStringLiteral("Command12")); // no number selected: Label24 shows 0
    ASSERT_EQ(text(QStringLiteral("Label24")), QStringLiteral("0"));
    for (int option : {0, 3, 13, 14}) {
        choose(option);
        EXPECT_FALSE(chart()) << option;
    }
    EXPECT_TRUE(lines(QStringLiteral("List2")).isEmpty()); // not examined either
    EXPECT_EQ(text(QStringLiteral("Label12")), QString());
}

TEST_F(ChartWindowTest, RowOptionsChartEverySpinOldestFirst)
{
    enter({3, 0, 26});
    select(36); // any selection lets the row options chart
    choose(0);
    EXPECT_TRUE(chart([](QDialog *, QWidget *graph) {
        EXPECT_EQ(setting(graph, "pointCount"), 3);
        EXPECT_EQ(pointsOf(graph), (QList<int>{0, 1, 1}));
    }));

    enter({13, 12, 24, 25});
    choose(5);
    EXPECT_TRUE(chart([](QDialog *, QWidget *graph) {
        EXPECT_EQ(pointsOf(graph), (QList<int>{0, 0, 0, 1, 0, 1, 0}));
    }));
    EXPECT_TRUE(lines(QStringLiteral("List2")).isEmpty()); // row options do not examine
}

TEST_F(ChartWindowTest, SelectedNumbersAreExaminedBeforeTheChartOpens)
{
    enter({5, 17, 5, 0});
    select(5);
    ASSERT_TRUE(button(QStringLiteral("Option1(14)"))->isChecked());
    EXPECT_TRUE(chart([this](QDialog *, QWidget *graph) {
        EXPECT_EQ(lines(QStringLiteral("List2")).size(), 4);
        EXPECT_EQ(text(QStringLiteral("Label12")), QStringLiteral("2"));
        EXPECT_EQ(pointsOf(graph), (QList<int>{1, 0, 1, 0}));
    }));
    select(0); // the next chart reads the selection afresh
    EXPECT_TRUE(chart([this](QDialog *, QWidget *graph) {
        EXPECT_EQ(text(QStringLiteral("Label12")), QStringLiteral("3"));
        EXPECT_EQ(pointsOf(graph), (QList<int>{1, 0, 1, 1}));
    }));
}

TEST_F(ChartWindowTest, UnderAHundredSpinsOpensAsBarsAndIgnoresTheTailKey)
{
    startWith(99);
    select(1);
    EXPECT_TRUE(chart([](QDialog *chart, QWidget *graph) {
        EXPECT_TRUE(chart->isModal());
        EXPECT_TRUE(chart->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(chart->size(), QSize(twips(11950), twips(2355)));
        EXPECT_EQ(graph->geometry(), QRect(0, twips(60), twips(11950), twips(1995)));
        EXPECT_EQ(chart->focusWidget(), graph);
        EXPECT_EQ(graph->property("title").toString(),
                  u8(" Space - típus vált, + - széthúz, * - utolsó 100, dupla klikk - kilép  "));
        EXPECT_EQ(graph->toolTip(), u8(" Spaces, *, +  billentyük  !"));

        EXPECT_EQ(setting(graph, "chartType"), 3);
        EXPECT_EQ(setting(graph, "labelEvery"), 1);
        EXPECT_EQ(setting(graph, "tickEvery"), 1);
        EXPECT_EQ(setting(graph, "pointLabels"), 1);
        const QList<int> points = pointsOf(graph);
        ASSERT_EQ(points.size(), 99);
        EXPECT_EQ(points.count(1), 3); // spins 1, 38 and 75
        EXPECT_EQ(points[37], 1);

        type(graph, '*');
        EXPECT_EQ(pointsOf(graph), points);
        EXPECT_EQ(setting(graph, "chartType"), 3);

        // Space cycles the type; other keys, Escape and Enter too, do nothing.
        QList<int> types;
        for (int i = 0; i < 3; ++i) {
            type(graph, ' ');
            types << setting(graph, "chartType");
        }
        EXPECT_EQ(types, (QList<int>{4, 6, 3}));
        type(graph, 'a');
        QTest::keyClick(graph, Qt::Key_Escape);
        QTest::keyClick(graph, Qt::Key_Return);
        EXPECT_TRUE(chart->isVisible());
        EXPECT_EQ(setting(graph, "chartType"), 3);
        EXPECT_EQ(graph->width(), twips(11950));
    }));
}

TEST_F(ChartWindowTest, FromAHundredSpinsALineAndTheTailKeyShowsTheNewest)
{
    startWith(100);
    select(1);
    EXPECT_TRUE(chart([](QDialog *, QWidget *graph) {
        EXPECT_EQ(setting(graph, "chartType"), 6);
        EXPECT_EQ(setting(graph, "labelEvery"), 10);
        const QList<int> points = pointsOf(graph);
        type(graph, ' ');
        EXPECT_EQ(setting(graph, "chartType"), 3);
        type(graph, '*'); // the same hundred spins, as a line again
        EXPECT_EQ(pointsOf(graph), points);
        EXPECT_EQ(setting(graph, "chartType"), 6);
    }));
}

TEST_F(ChartWindowTest, TheTailOfALongHistoryIsItsNewestHundredSpins)
{
    startWith(250);
    select(1); // hits at spins 1, 38, ..., 186 and 223
    EXPECT_TRUE(chart([](QDialog *, QWidget *graph) {
        EXPECT_EQ(setting(graph, "pointCount"), 250);
        type(graph, ' ');
        type(graph, '*');
        EXPECT_EQ(setting(graph, "pointCount"), 100);
        EXPECT_EQ(setting(graph, "chartType"), 6);
        EXPECT_EQ(setting(graph, "labelEvery"), 10);
        QList<int> expected(100, 0);
        expected[186 - 151] = expected[223 - 151] = 1; // point k shows spin 150 + k
        EXPECT_EQ(pointsOf(graph), expected);
    }));
}

TEST_F(ChartWindowTest, WideningPansTheGraphAndNarrowingKeepsItInTheWindow)
{
    enter({7, 8});
    select(7);
    EXPECT_TRUE(chart([](QDialog *chart, QWidget *graph) {
        QScrollBar *bar = barOf(chart);
        ASSERT_NE(bar, nullptr);
        auto range = [bar] { return QList<int>{bar->maximum(), bar->singleStep(), bar->pageStep()}; };
        EXPECT_FALSE(barShown(chart)); // as wide as the window
        EXPECT_EQ(range(), (QList<int>{0, 1, 1}));

        type(graph, '+');
        EXPECT_EQ(graph->width(), twips(23900));
        EXPECT_TRUE(barShown(chart));
        EXPECT_EQ(bar->geometry(), QRect(0, twips(2100), twips(11950), twips(255)));
        EXPECT_EQ(range(), (QList<int>{11950, 746 + 1, 2987 + 1}));
        type(graph, '+');
        type(graph, '+');
        EXPECT_EQ(graph->width(), twips(32768));
        EXPECT_EQ(range(), (QList<int>{20818, 1301 + 1, 5204 + 1}));

        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(graph->x(), twips(-20818));
        EXPECT_EQ(chart->focusWidget(), graph);

        // "-" shrinks the range below the position: the graph follows it.
        type(graph, '-');
        EXPECT_EQ(graph->width(), twips(16384));
        EXPECT_EQ(bar->maximum(), 16384 - 11950);
        EXPECT_EQ(bar->value(), 16384 - 11950);
        EXPECT_EQ(graph->x(), twips(-(16384 - 11950)));

        type(graph, '-'); // 8 192 would be narrower than the window
        type(graph, '-');
        EXPECT_EQ(graph->width(), twips(11950));
        EXPECT_EQ(graph->x(), 0);
        EXPECT_FALSE(barShown(chart));
        EXPECT_EQ(range(), (QList<int>{0, 1, 1}));
    }));
}

} // namespace
} // namespace vintaro::test
