// The interval window as a user meets it: opened from the menu of the main
// window over the spins entered there.
#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QTest>

#include "widgets/appearance.h"
#include "widgets/listbox.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class IntervalWindowTest : public WindowTest
{
protected:
    QWidget *open() { return openWindow(QStringLiteral("interval5x"), "Interval5"); }

    static QString label(QWidget *window, const char *name)
    {
        auto *l = control<QLabel>(window, name);
        return l ? l->text() : QString();
    }
    static QStringList list(QWidget *window, const char *name) { return listLines(control<QAbstractItemView>(window, name)); }
    static void press(QWidget *window, const char *name)
    {
        auto *b = control<QAbstractButton>(window, name);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void closeAndDelete(QWidget *window)
    {
        press(window, "Command3D1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(IntervalWindowTest, EmptyHistoryShowsZerosEverywhere)
{
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), u8(" Ötös intervallum vizsgálat"));
    EXPECT_TRUE(list(w, "List1").isEmpty());
    EXPECT_EQ(label(w, "Label3"), QStringLiteral("   0   0   0   0   0   0   0"));

    press(w, "Command3D3");
    EXPECT_EQ(list(w, "List2"), (QStringList{u8("  Maximális kimaradás"), QString(),
                                             QStringLiteral("  01-05     0        0"),
                                             QStringLiteral("  06-10     0        0"),
                                             QStringLiteral("  11-15     0        0"),
                                             QStringLiteral("  16-20     0        0"),
                                             QStringLiteral("  21-25     0        0"),
                                             QStringLiteral("  26-30     0        0"),
                                             QStringLiteral("  31-36     0        0")}));
    EXPECT_FALSE(control<QAbstractButton>(w, "Command3D3")->isEnabled());
}

TEST_F(IntervalWindowTest, ListsEverySpinAndTheAbsencesAtOpening)
{
    enter({36, 31, 0, 5});
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(list(w, "List1"), (QStringList{QStringLiteral("0001  _ _ _ _ _ _ 1"),
                                             QStringLiteral("0002  _ _ _ _ _ _ 1"),
                                             QStringLiteral("0003  _ _ _ _ _ _ _"),
                                             QStringLiteral("0004  1 _ _ _ _ _ _")}));
    EXPECT_EQ(label(w, "Label3"), QStringLiteral("   0   4   4   4   4   4   2"));
    EXPECT_EQ(topRow(control<QAbstractItemView>(w, "List1")), 0);

    // The main window stays usable; the snapshot does not follow it.
    enter({7});
    EXPECT_EQ(list(w, "List1").size(), 4);
    EXPECT_EQ(label(w, "Label3"), QStringLiteral("   0   4   4   4   4   4   2"));

    // The report reads the history as it is now: interval 6-10 ends an
    // absence of 4 at spin 5.
    press(w, "Command3D3");
    const QStringList report = list(w, "List2");
    ASSERT_EQ(report.size(), 9);
    EXPECT_EQ(report[2], QStringLiteral("  01-05     3        4"));
    EXPECT_EQ(report[3], QStringLiteral("  06-10     4        5"));
    EXPECT_EQ(report[8], QStringLiteral("  31-36     0        0"));

    // The report button is spent until the window is opened again.
    EXPECT_FALSE(control<QAbstractButton>(w, "Command3D3")->isEnabled());
    enter({33});
    press(w, "Command3D3");
    EXPECT_EQ(list(w, "List2"), report);
}

TEST_F(IntervalWindowTest, OpeningAgainBringsTheSameWindowForward)
{
    enter({12, 3});
    QPointer<QWidget> first = open();
    ASSERT_TRUE(first);
    press(first, "Command3D3");
    enter({20});

    first->showMinimized();
    trigger(QStringLiteral("interval5x"));
    ASSERT_EQ(openWindows("Interval5").size(), 1);
    EXPECT_EQ(openWindows("Interval5").first(), first.data());
    EXPECT_FALSE(first->isMinimized());
    // Not recomputed: still two spins and the report already given.
    EXPECT_EQ(list(first, "List1").size(), 2);
    EXPECT_EQ(list(first, "List2").size(), 9);
    EXPECT_FALSE(control<QAbstractButton>(first, "Command3D3")->isEnabled());

    // "Kilép" discards the window; the next opening starts afresh.
    closeAndDelete(first);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(openWindows("Interval5").isEmpty());
    QWidget *second = open();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(list(second, "List1").size(), 3);
    EXPECT_EQ(list(second, "List1").last(), QStringLiteral("0003  _ _ _ 1 _ _ _"));
    EXPECT_TRUE(list(second, "List2").isEmpty());
    EXPECT_TRUE(control<QAbstractButton>(second, "Command3D3")->isEnabled());
}

TEST_F(IntervalWindowTest, ALongListOpensOnItsNewestLines)
{
    for (int i = 0; i < 40; ++i)
        enter({i % 37});
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    auto *list1 = control<QAbstractItemView>(w, "List1");
    EXPECT_EQ(listLines(list1).size(), 40);
    // Scrolled towards line 25 as far as the list's height allows (it shows
    // sixteen lines), so the newest line is in view at the bottom.
    EXPECT_EQ(topRow(list1), 40 - qobject_cast<ListBox *>(list1)->visibleRows());
    EXPECT_GE(topRow(list1), 24);
    EXPECT_TRUE(list1->viewport()->rect().contains(list1->visualRect(list1->model()->index(39, 0))));
    EXPECT_EQ(listLines(list1).last(), QStringLiteral("0040  1 _ _ _ _ _ _")); // spin 40 is a 2
}

TEST_F(IntervalWindowTest, HeadingsAndTextsFitTheirBoxes)
{
    enter({36, 31, 0, 5});
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size(), QSize(319, 373));
    EXPECT_EQ(label(w, "Label1(0)"), QStringLiteral(" 0000  5 1 1 2 2 3 3"));
    EXPECT_EQ(label(w, "Label2(0)"), QStringLiteral("             0 5 0 5 0 6"));
    EXPECT_EQ(label(w, "Label1(1)"), QStringLiteral("   5  1   1   2   2   3   3"));
    EXPECT_EQ(label(w, "Label2(1)"), QStringLiteral("       0   5   0   5   0   6"));
    EXPECT_EQ(control<QAbstractButton>(w, "Command3D3")->text(), u8("Maximális kimaradás"));
    EXPECT_EQ(control<QAbstractButton>(w, "Command3D1")->text(), u8("Kilép"));

    for (const char *name : {"Label1(0)", "Label2(0)", "Label1(1)", "Label2(1)", "Label3"}) {
        auto *l = control<QLabel>(w, name);
        const QFontMetrics metrics(l->font());
        EXPECT_LE(metrics.horizontalAdvance(l->text()), l->width()) << name;
        EXPECT_LE(metrics.height(), l->height()) << name;
    }
    for (const char *name : {"Command3D3", "Command3D1"}) {
        auto *b = control<QAbstractButton>(w, name);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 8, b->width()) << name;
    }
}

} // namespace
} // namespace vintaro::test
