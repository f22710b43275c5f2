// "  Start": the room box and the working list come back into the window.
#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class StartTest : public WindowTest
{
protected:
    // Every statistic the window shows: the fourteen rows and the absence row.
    QStringList statistics() const
    {
        QStringList out;
        for (int r = 0; r < 14; ++r)
            for (const char *name : {"Label7", "Label8", "Label16"})
                out << text(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(r));
        for (int n = 1; n <= 36; ++n)
            out << text(QStringLiteral("Label26(%1)").arg(n));
        return out;
    }
    QString roomBox() const { return child<QLineEdit>(QStringLiteral("Text1"))->text(); }
    bool startEnabled() const { return window->findChild<QAction *>(QStringLiteral("indit"))->isEnabled(); }
    // Whether the "  Start" item is drawn on a pale yellow ground, as it is
    // while the room's list waits to be loaded.
    bool startStandsOut() const
    {
        QMenuBar *bar = window->menuBar();
        const QRect item = bar->actionGeometry(window->findChild<QAction *>(QStringLiteral("indit")));
        const QImage shown = bar->grab().toImage();
        const QPoint corner = item.topLeft() + QPoint(3, 3); // inside the item, left of its caption
        return shown.pixelColor(corner * shown.devicePixelRatio()) == QColor(0xFF, 0xF0, 0xA0);
    }
    // The menu bar as the screen holds it is the bar laid out and drawn
    // afresh: Start repaints its own item alone.
    void expectBarAsDrawnAfresh() const
    {
        QMenuBar *bar = window->menuBar();
        auto places = [bar] {
            QList<QRect> out;
            for (QAction *a : bar->actions())
                out << bar->actionGeometry(a);
            return out;
        };
        const QList<QRect> before = places();
        const QImage shown = onScreen(bar);
        // What Qt does for any change of an item: lay the bar out, draw it all.
        QActionEvent changed(QEvent::ActionChanged, window->findChild<QAction *>(QStringLiteral("indit")));
        QCoreApplication::sendEvent(bar, &changed);
        EXPECT_EQ(places(), before);
        EXPECT_TRUE(shown == drawnAfresh(bar))
            << "the bar on the screen is not the bar drawn afresh";
    }
};

TEST_F(StartTest, LoadsTheWorkingListAndRebuildsEveryStatistic)
{
    put(QStringLiteral("terem.txt"), "4\r\n");
    put(QStringLiteral("rszamok.txt"), " 5\r\n17\r\n 0\r\n");
    trigger(QStringLiteral("indit"));

    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    5", "   2    17", "   3    0"}));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 3"));
    EXPECT_EQ(text(QStringLiteral("Label3")), QString());
    EXPECT_EQ(roomBox(), QStringLiteral("4"));
    EXPECT_EQ(text(QStringLiteral("Label26(5)")), QStringLiteral("2"));
    EXPECT_EQ(text(QStringLiteral("Label26(17)")), QStringLiteral("1"));
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(platform->messages.empty());
    const QStringList loaded = statistics();

    recreateWindow();
    enter({5, 17, 0});
    EXPECT_EQ(statistics(), loaded);
}

TEST_F(StartTest, AnEmptyOrMissingListLoadsNoSpins)
{
    const QStringList before = statistics();
    put(QStringLiteral("rszamok.txt"), "");
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 0"));
    EXPECT_TRUE(lines(QStringLiteral("List1")).isEmpty());
    EXPECT_EQ(text(QStringLiteral("Label3")), QString());
    EXPECT_EQ(statistics(), before);
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(platform->messages.empty());

    // Neither file there: an empty room box and no spins, without a message.
    QFile::remove(file(QStringLiteral("rszamok.txt")));
    recreateWindow();
    child<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("7"));
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(roomBox(), QString());
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 0"));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(StartTest, ScrollingAndNumberingGoOnAfterTheLoadedSpins)
{
    put(QStringLiteral("rszamok.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(topRow(child<QAbstractItemView>(QStringLiteral("List1"))), 1);

    enter({9, 9, 9, 9, 9});
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("12"));
    enter({0});
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("13"));
    EXPECT_EQ(lines(QStringLiteral("List1")).last(), QStringLiteral("  13    0"));
}

TEST_F(StartTest, StartRunsOnce)
{
    put(QStringLiteral("rszamok.txt"), " 5\r\n");
    trigger(QStringLiteral("indit"));
    put(QStringLiteral("rszamok.txt"), " 5\r\n 6\r\n 7\r\n");
    trigger(QStringLiteral("indit"));
    window->startList();
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    5"});
}

// Spins entered before "  Start": Start stays there, stands out until it is
// chosen, and puts the room's saved list in front of them; saving keeps all.
TEST_F(StartTest, SpinsEnteredBeforeStartFollowTheLoadedList)
{
    struct Case
    {
        const char *what;
        QByteArray working, room3; // "" for no file
        std::vector<int> before;   // entered before Start
        bool saveBefore;           // "Mentés" to room 3 before Start
        QByteArray savedBefore;    // what that save wrote
        std::vector<int> after;    // entered after Start
        int undos;                 // then "Undo"
        QStringList history;       // List1 at the end
        QString count;             // Label5 right after Start
        QByteArray saved;          // rszamok3.txt after "Mentés"
    };
    const std::vector<Case> cases = {
        {"after the loaded list, in the order entered", " 5\r\n17\r\n", " 5\r\n17\r\n", {9, 0}, false, {}, {}, 0,
         {"   1    5", "   2    17", "   3    9", "   4    0"}, " 4", " 5\r\n17\r\n 9\r\n 0\r\n"},
        {"Undo takes the newest entered spin back", " 5\r\n17\r\n", " 5\r\n17\r\n", {9, 0}, false, {}, {4}, 2,
         {"   1    5", "   2    17", "   3    9"}, " 4", " 5\r\n17\r\n 9\r\n"},
        {"a narrowed list keeps the room's earlier spins in front", "5\r\n17\r\n", " 1\r\n 2\r\n 5\r\n17\r\n",
         {9}, false, {}, {}, 0, {"   1    5", "   2    17", "   3    9"}, " 3",
         " 1\r\n 2\r\n 5\r\n17\r\n 9\r\n"},
        {"no saved list yet", "", "", {9}, false, {}, {}, 0, {"   1    9"}, " 1", " 9\r\n"},
        {"saved before Start: the saved list goes on", " 5\r\n17\r\n", " 5\r\n17\r\n", {9}, true, " 5\r\n17\r\n 9\r\n", {0}, 0,
         {"   1    5", "   2    17", "   3    9", "   4    0"}, " 3", " 5\r\n17\r\n 9\r\n 0\r\n"},
        {"saved before Start, then an undo", " 5\r\n17\r\n", " 5\r\n17\r\n", {9, 8}, true, " 5\r\n17\r\n 9\r\n 8\r\n", {}, 1,
         {"   1    5", "   2    17", "   3    9"}, " 4", " 5\r\n17\r\n 9\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (const char *name : {"rszamok.txt", "rszamok3.txt"})
            QFile::remove(file(QLatin1String(name)));
        put(QStringLiteral("terem.txt"), "3\r\n");
        if (!c.working.isEmpty())
            put(QStringLiteral("rszamok.txt"), c.working);
        if (!c.room3.isEmpty())
            put(QStringLiteral("rszamok3.txt"), c.room3);
        recreateWindow();
        EXPECT_TRUE(startStandsOut());
        for (int n : c.before)
            enter({n});
        EXPECT_TRUE(startEnabled());
        EXPECT_TRUE(startStandsOut());
        if (c.saveBefore) {
            setRoomBox(QStringLiteral("3"));
            click(QStringLiteral("Command15"));
            EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), c.savedBefore);
            EXPECT_FALSE(exitAsks());
            setRoomBox(QString());
        }
        trigger(QStringLiteral("indit"));
        EXPECT_FALSE(startEnabled());
        expectBarAsDrawnAfresh();
        EXPECT_FALSE(startStandsOut());
        EXPECT_EQ(text(QStringLiteral("Label5")), c.count);
        EXPECT_EQ(roomBox(), QStringLiteral("3"));
        EXPECT_EQ(exitAsks(), !c.saveBefore);
        for (int n : c.after)
            enter({n});
        for (int i = 0; i < c.undos; ++i)
            click(QStringLiteral("Command1"));
        EXPECT_EQ(lines(QStringLiteral("List1")), c.history);
        click(QStringLiteral("Command15"));
        EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), c.saved);
        // No question but the exit question that exitAsks() answered Cancel.
        for (const QString &q : platform->questions)
            EXPECT_EQ(q, QString::fromUtf8("Biztos, hogy mentés nélkül lép ki ?"));
        EXPECT_TRUE(platform->messages.empty());
        EXPECT_FALSE(exitAsks());
        // Every statistic counts the whole history, as entering it does.
        const QStringList shown = statistics();
        recreateWindow();
        for (const QString &line : c.history)
            enter({line.mid(5).trimmed().toInt()});
        EXPECT_EQ(statistics(), shown);
    }

    // A room switch before Start asks about switching; Cancel keeps the
    // spins and Start.
    recreateWindow();
    enter({9});
    platform->confirmAnswers = {false};
    trigger(QStringLiteral("terem3"));
    EXPECT_EQ(platform->questions, std::vector<QString>{QString::fromUtf8(
                                       "Biztos, hogy mentés nélkül átvált a(z) 3. terembe ?\n"
                                       "A nem mentett pörgetések elvesznek.")});
    EXPECT_TRUE(platform->started.empty());
    EXPECT_TRUE(startEnabled());
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    9"});
}

TEST_F(StartTest, LinesWithoutASpinAreSkippedWithOneMessage)
{
    QFile::copy(QStringLiteral(VINTARO_TEST_DATA "/spins_with_junk.txt"), file(QStringLiteral("rszamok.txt")));
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    5", "   2    17", "   3    2", "   4    0",
                                                           "   5    36", "   6    7", "   7    8"}));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 7"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              QString::fromUtf8("4 sor kimaradt, mert nem 0 és 36 közötti számot tartalmaz. Az első hibás sor: 2."));
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Information);
}

TEST_F(StartTest, ALongerListLoadsItsNewest32736Spins)
{
    QByteArray content;
    for (int i = 0; i < 10; ++i)
        content += "36\r\n";
    for (int i = 0; i < 32736; ++i)
        content += QByteArray::number(i % 37) + "\r\n";
    put(QStringLiteral("rszamok.txt"), content);
    trigger(QStringLiteral("indit"));

    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 32736"));
    const QStringList loaded = lines(QStringLiteral("List1"));
    ASSERT_EQ(loaded.size(), 32736);
    EXPECT_EQ(loaded.first(), QStringLiteral("   1    0"));
    EXPECT_EQ(loaded.last(), QStringLiteral("32736    27"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              QString::fromUtf8("A lista hosszabb 32736 pörgetésnél: a legrégebbi 10 pörgetés kimaradt, "
                                "a legutóbbi 32736 betöltődött."));
}

} // namespace
} // namespace vintaro::test
