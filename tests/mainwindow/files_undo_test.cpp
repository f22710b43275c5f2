// "Undo": the newest spin goes, every statistic is computed again.
#include <QFile>
#include <QLineEdit>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class UndoTest : public WindowTest
{
protected:
    void undo() const { click(QStringLiteral("Command1")); }
    QStringList labels(const char *name, int first, int last) const
    {
        QStringList out;
        for (int i = first; i <= last; ++i)
            out << text(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        return out;
    }
    QStringList statistics() const
    {
        return labels("Label7", 0, 13) + labels("Label8", 0, 13) + labels("Label16", 0, 13) +
               labels("Label26", 1, 36);
    }
};

TEST_F(UndoTest, TakesTheNewestSpinBack)
{
    enter({5, 17, 0});
    undo();
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    5", "   2    17"}));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("2"));
    EXPECT_EQ(text(QStringLiteral("Label3")), QString());
    const QStringList afterUndo = statistics();

    recreateWindow();
    enter({5, 17});
    EXPECT_EQ(statistics(), afterUndo);
}

TEST_F(UndoTest, ANumberThatNoLongerOccursShowsTheCount)
{
    enter({5, 17});
    undo();
    EXPECT_EQ(text(QStringLiteral("Label26(17)")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("Label26(5)")), QStringLiteral("0"));
}

TEST_F(UndoTest, UndoingTheOnlySpinLeavesZeroes)
{
    enter({5});
    undo();
    EXPECT_TRUE(lines(QStringLiteral("List1")).isEmpty());
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("0"));
    for (const QString &shown : statistics())
        EXPECT_EQ(shown, QStringLiteral("0"));

    // An empty history: a further click changes nothing.
    const QStringList before = statistics();
    undo();
    EXPECT_EQ(statistics(), before);
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("0"));
}

TEST_F(UndoTest, AnEmptyHistoryKeepsTheUnsavedFlag)
{
    undo();
    EXPECT_EQ(text(QStringLiteral("Label5")), QString());
    EXPECT_FALSE(exitAsks());

    // Unsaved before: still unsaved.
    recreateWindow();
    enter({5});
    undo();
    undo();
    EXPECT_TRUE(exitAsks());
}

TEST_F(UndoTest, UndoAfterASaveMarksTheSpinsUnsaved)
{
    enter({5, 17});
    child<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("3"));
    click(QStringLiteral("Command15"));
    EXPECT_FALSE(exitAsks());
    undo();
    EXPECT_TRUE(exitAsks());
    // Undo works in memory only: the saved room keeps both spins.
    QFile saved(file(QStringLiteral("rszamok3.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray(" 5\r\n17\r\n"));
}

TEST_F(UndoTest, UndoAfterStartAndTheNextEntry)
{
    QFile list(file(QStringLiteral("rszamok.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 12; ++i)
        list.write(QByteArray::number(i) + "\r\n");
    list.close();
    trigger(QStringLiteral("indit"));
    undo();
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("11"));
    EXPECT_EQ(lines(QStringLiteral("List1")).size(), 11);
    EXPECT_EQ(text(QStringLiteral("Label26(12)")), QStringLiteral("11"));
    EXPECT_EQ(topRow(child<QAbstractItemView>(QStringLiteral("List1"))), 5);

    // With the spun number gone, the hidden apply button adds nothing.
    click(QStringLiteral("Command13"));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("11"));
    enter({30});
    EXPECT_EQ(lines(QStringLiteral("List1")).last(), QStringLiteral("  12    30"));
}

} // namespace
} // namespace vintaro::test
