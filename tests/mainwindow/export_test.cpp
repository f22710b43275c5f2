// "Exportálás CSV-be…" and Ctrl+C in the two lists.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include "persistence/csvexport.h"
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

TEST_F(ExportTest, StartsInTheDocumentsFolderAndOffersHungarianSpreadsheets)
{
    enter({5, 17, 0});
    platform->fileAnswers.push_back(file(QStringLiteral("tura.csv")));
    platform->filterAnswers.push_back(QString::fromUtf8(
        "CSV magyar nyelvű táblázatkezelőnek: pontosvessző, UTF-8 BOM (*.csv)"));
    trigger(QStringLiteral("exportcsv"));

    ASSERT_EQ(platform->proposedPaths.size(), 1u);
    const QFileInfo proposed(platform->proposedPaths[0]);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QDir::homePath();
    EXPECT_EQ(proposed.absolutePath(), QFileInfo(documents).absoluteFilePath());
    EXPECT_TRUE(proposed.fileName().startsWith(QStringLiteral("vintaro_"))) << proposed.fileName().toStdString();
    EXPECT_EQ(proposed.suffix(), QStringLiteral("csv"));
    // Both kinds are offered, the standard one first.
    const QStringList offered = platform->fileFilters[0].split(QStringLiteral(";;"));
    ASSERT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered[0].contains(QString::fromUtf8("vesszővel")));

    for (const char *name : {"tura.csv", "tura_stat.csv"}) {
        const QByteArray written = bytes(QLatin1String(name));
        EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF")) << name;
        EXPECT_FALSE(written.contains(',')) << name;
    }
    EXPECT_EQ(records(QStringLiteral("tura.csv"))[2], QString::fromUtf8("2;17;Fekete;2. harmad;Oszlop M;Páratlan;Alacsony"));
}

TEST_F(ExportTest, AsksBeforeReplacingTheStatisticsFileOrANameWithoutEnding)
{
    enter({7});
    ASSERT_TRUE(writeWholeFile(file(QStringLiteral("tura_stat.csv")), "régi\r\n"));
    ASSERT_TRUE(writeWholeFile(file(QStringLiteral("nap.csv")), "régi\r\n"));
    struct Case
    {
        const char *answer; // what the user typed in the dialog
        bool replace;       // the answer to the question
        const char *asked;  // the file the question names
    };
    for (const Case &c : {Case{"tura.csv", false, "tura_stat.csv"}, Case{"nap", false, "nap.csv"},
                          Case{"tura.csv", true, "tura_stat.csv"}}) {
        const size_t questions = platform->questions.size();
        platform->fileAnswers.push_back(file(QLatin1String(c.answer)));
        platform->confirmAnswers.push_back(c.replace);
        trigger(QStringLiteral("exportcsv"));
        ASSERT_EQ(platform->questions.size(), questions + 1) << c.answer;
        EXPECT_TRUE(platform->questions.back().contains(QLatin1String(c.asked))) << c.answer;
    }
    // Said no: nothing written at all; said yes: both files.
    EXPECT_EQ(bytes(QStringLiteral("nap.csv")), QByteArray("régi\r\n"));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("nap_stat.csv"))));
    EXPECT_TRUE(bytes(QStringLiteral("tura_stat.csv")).startsWith("Megnevez"));
    EXPECT_TRUE(bytes(QStringLiteral("tura.csv")).startsWith("Sorsz"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Information);
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
