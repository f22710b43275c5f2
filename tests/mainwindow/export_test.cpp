// "Exportálás CSV-be…" and Ctrl+C in the two lists.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class ExportTest : public WindowTest
{
protected:
    QStringList records(const QString &name) const
    {
        QString content = QString::fromUtf8(bytes(name));
        if (content.endsWith(QStringLiteral("\r\n")))
            content.chop(2);
        return content.split(QStringLiteral("\r\n"));
    }
    QStringList csvFiles() const { return QDir(folder()).entryList({QStringLiteral("*.csv")}, QDir::Files); }
};

TEST_F(ExportTest, WritesTheHistoryAndTheStatisticsBesideIt)
{
    enter({5, 17, 0, 32});
    platform->fileAnswers.push_back(file(QStringLiteral("tura")));
    trigger(QStringLiteral("exportcsv"));

    ASSERT_EQ(platform->fileDialogs, std::vector<QString>{QString::fromUtf8("Exportálás CSV-be")});
    EXPECT_EQ(csvFiles(), (QStringList{QStringLiteral("tura.csv"), QStringLiteral("tura_stat.csv")}));
    const QStringList history = records(QStringLiteral("tura.csv"));
    ASSERT_EQ(history.size(), 5);
    EXPECT_EQ(history[2], QString::fromUtf8("2,17,Fekete,2. harmad,Oszlop M,Páratlan,Alacsony"));
    EXPECT_EQ(history[3], QString::fromUtf8("3,0,Zöld,,,,"));
    const QStringList stats = records(QStringLiteral("tura_stat.csv"));
    ASSERT_EQ(stats.size(), 1 + 14 + 36);
    // The statistics table of the window, row by row.
    for (int row = 0; row < 14; ++row)
        EXPECT_EQ(stats[1 + row], QStringList({text(QStringLiteral("Label6(%1)").arg(row)),
                                               text(QStringLiteral("Label7(%1)").arg(row)).trimmed(),
                                               text(QStringLiteral("Label8(%1)").arg(row)).trimmed(),
                                               text(QStringLiteral("Label16(%1)").arg(row)).trimmed()})
                                      .join(QLatin1Char(',')));
    EXPECT_EQ(stats[14 + 17], QStringLiteral("17,,%1,").arg(text(QStringLiteral("Label26(17)")).trimmed()));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Information);

    // Cancel writes nothing; nor does the history change.
    trigger(QStringLiteral("exportcsv"));
    EXPECT_EQ(platform->messages.size(), 1u);
    EXPECT_TRUE(exitAsks());
}

TEST_F(ExportTest, AFailedWriteSaysSoAndLeavesNoFile)
{
    enter({7});
    platform->fileAnswers.push_back(file(QStringLiteral("nincs/tura.csv")));
    trigger(QStringLiteral("exportcsv"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Critical);
    EXPECT_TRUE(platform->messages[0].text.contains(QStringLiteral("tura_stat.csv")));
    EXPECT_FALSE(QDir(file(QStringLiteral("nincs"))).exists());
    EXPECT_TRUE(csvFiles().isEmpty());
}

TEST_F(ExportTest, CtrlCCopiesTheSelectedLinesOrAll)
{
    enter({5, 17, 0});
    click(QStringLiteral("Command3"));
    auto copy = [this](const char *listName) {
        QApplication::clipboard()->clear();
        QTest::keyClick(child<QAbstractItemView>(QLatin1String(listName)), Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    };
    for (const char *name : {"List1", "List2"}) {
        const QStringList all = lines(QLatin1String(name));
        ASSERT_FALSE(all.isEmpty()) << name;
        EXPECT_EQ(copy(name), all.join(QLatin1Char('\n')) + QLatin1Char('\n')) << name;
    }
    auto *list1 = child<QAbstractItemView>(QStringLiteral("List1"));
    const QRect second = list1->visualRect(list1->model()->index(1, 0));
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(copy("List1"), lines(QStringLiteral("List1"))[1] + QLatin1Char('\n'));
}

} // namespace
} // namespace vintaro::test
