// The CSV export read back with a small RFC 4180 reader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <string>
#include <vector>

#include "core/numbermodel.h"
#include "core/session.h"
#include "persistence/csvexport.h"
#include "tests/support/englishtexts.h"
#include "tests/support/files.h"
#include "tests/support/readonlyfolder.h"

namespace vintaro {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Records end in CR LF; a quoted field may hold commas, doubled quotes and
// line breaks. Fails the test on anything else.
Table readCsv(const std::string &text, char separator = ',')
{
    Table table;
    std::vector<std::string> record;
    std::string field;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    field += text[++i];
                else if (text[i] == '"')
                    break;
                else
                    field += text[i];
            }
            ++i;
        }
        for (; i < text.size() && text[i] != separator && text[i] != '\r'; ++i) {
            EXPECT_NE(text[i], '\n') << "a bare LF at byte " << i;
            EXPECT_NE(text[i], '"') << "a bare quote at byte " << i;
            field += text[i];
        }
        record.push_back(std::move(field));
        field.clear();
        if (i < text.size() && text[i] == separator) {
            ++i;
            continue;
        }
        EXPECT_EQ(text.substr(i, 2), "\r\n") << "a record not ended by CR LF at byte " << i;
        i += 2;
        table.push_back(std::move(record));
        record.clear();
    }
    return table;
}

std::string readFile(const QString &path) { return test::bytesOf(path).toStdString(); }

TEST(CsvExport, FieldsSurviveTheRoundTrip)
{
    const std::vector<std::string> fields{"", "plain", "a,b", "say \"hi\"", "two\r\nlines", "\"", "Páros/páratlan"};
    const Table table = readCsv(csvRecord(fields) + csvRecord({"x"}));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0], fields);
    EXPECT_EQ(csvField("plain"), "plain");
}

TEST(CsvExport, TheHistoryReadsBackSpinBySpin)
{
    std::mt19937 random(12);
    std::vector<std::int16_t> spins{0, 1, 2, 36, 19, 18};
    for (int i = 0; i < 500; ++i)
        spins.push_back(static_cast<std::int16_t>(random() % 37));
    const Table table = readCsv(historyCsv(spins));
    ASSERT_EQ(table.size(), spins.size() + 1);
    EXPECT_EQ(table[0], (std::vector<std::string>{"Sorszám", "Szám", "Szín", "Harmad", "Oszlop", "Páros/páratlan",
                                                  "Alacsony/magas"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"1", "0", "Zöld", "", "", "", ""}));
    for (size_t i = 0; i < spins.size(); ++i) {
        const auto &record = table[i + 1];
        const int n = spins[i];
        ASSERT_EQ(record.size(), 7u);
        EXPECT_EQ(record[0], std::to_string(i + 1));
        EXPECT_EQ(std::stoi(record[1]), n);
        if (n == 0)
            continue;
        // Every caption names a row that holds the number.
        EXPECT_EQ(record[2], isRed(n) ? "Piros" : "Fekete");
        for (size_t column = 3; column < 7; ++column) {
            bool named = false;
            for (int row = 0; row < kRowCount; ++row)
                named = named || (record[column] == rowCaption(row) && isRowMember(row, n));
            EXPECT_TRUE(named) << n << " " << record[column];
        }
    }
    EXPECT_EQ(readCsv(historyCsv({})).size(), 1u);
}

TEST(CsvExport, TheStatisticsReadBackAsTheSessionHasThem)
{
    Session session;
    for (int n : {5, 17, 0, 32, 5, 36, 12, 12, 1})
        session.enter(n);
    const Table table = readCsv(statisticsCsv(session));
    ASSERT_EQ(table.size(), 1u + kRowCount + kHighestNumber);
    EXPECT_EQ(table[0], (std::vector<std::string>{"Megnevezés", "Hányszor", "Kimaradás", "Maximális kimaradás"}));
    for (int row = 0; row < kRowCount; ++row) {
        const auto &record = table[1 + row];
        const Figures &f = session.figures()[row];
        EXPECT_EQ(record, (std::vector<std::string>{std::string(rowCaption(row)), std::to_string(f.hits),
                                                    std::to_string(f.current), std::to_string(f.longest)}));
    }
    EXPECT_EQ(table[1 + 1], (std::vector<std::string>{"Piros", "7", "0", "2"}));
    for (int n = 1; n <= kHighestNumber; ++n)
        EXPECT_EQ(table[kRowCount + n], (std::vector<std::string>{std::to_string(n), "", std::to_string(session.absence(n)), ""}));
}

TEST(CsvExport, HungarianSpreadsheetsGetSemicolonsAndAByteOrderMark)
{
    // A field is quoted for the separator in use only.
    EXPECT_EQ(csvRecord({"a;b", "1,5", "c"}, ';'), "\"a;b\";1,5;c\r\n");
    EXPECT_EQ(csvRecord({"a;b", "1,5", "c"}, ','), "a;b,\"1,5\",c\r\n");

    Session session;
    for (int n : {5, 17, 0, 32, 5, 36, 12})
        session.enter(n);
    const std::vector<std::int16_t> spins{5, 17, 0, 32, 5, 36, 12};
    const std::string bom = "\xEF\xBB\xBF";
    for (const auto &[standard, hungarian] :
         {std::pair{historyCsv(spins), historyCsv(spins, CsvStyle::hungarianSpreadsheet())},
          std::pair{statisticsCsv(session), statisticsCsv(session, CsvStyle::hungarianSpreadsheet())}}) {
        EXPECT_NE(standard.substr(0, 3), bom);
        ASSERT_EQ(hungarian.substr(0, 3), bom);
        EXPECT_EQ(hungarian.find(','), std::string::npos);
        // The same table, header row included, field by field.
        EXPECT_EQ(readCsv(hungarian.substr(3), ';'), readCsv(standard));
    }
}

TEST(CsvExport, InEnglishTheHeaderAndTheBetsAreEnglishAndTheNumbersTheSame)
{
    Session session;
    const std::vector<std::int16_t> spins{0, 5, 17, 36, 12, 12, 1, 19};
    for (const int n : spins)
        session.enter(n);
    const Table hungarianHistory = readCsv(historyCsv(spins));
    const Table hungarianStatistics = readCsv(statisticsCsv(session));

    const test::EnglishTexts english;
    ASSERT_TRUE(english.installed());
    const Table history = readCsv(historyCsv(spins));
    ASSERT_EQ(history.size(), spins.size() + 1);
    EXPECT_EQ(history[0], (std::vector<std::string>{"Spin", "Number", "Colour", "Dozen", "Column", "Even/odd",
                                                    "Low/high"}));
    EXPECT_EQ(history[0][0], kCsvIndexHeaderEnglish);
    EXPECT_EQ(history[0][1], kCsvNumberHeaderEnglish);
    EXPECT_EQ(history[1], (std::vector<std::string>{"1", "0", "Green", "", "", "", ""}));
    EXPECT_EQ(history[2], (std::vector<std::string>{"2", "5", "Red", "1st dozen", "2nd column", "Odd", "Low (1-18)"}));
    EXPECT_EQ(history[4], (std::vector<std::string>{"4", "36", "Red", "3rd dozen", "3rd column", "Even", "High (19-36)"}));
    EXPECT_EQ(history[8], (std::vector<std::string>{"8", "19", "Red", "2nd dozen", "1st column", "Odd", "High (19-36)"}));

    const Table statistics = readCsv(statisticsCsv(session));
    ASSERT_EQ(statistics.size(), hungarianStatistics.size());
    EXPECT_EQ(statistics[0], (std::vector<std::string>{"Bet", "Hits", "Absence", "Longest absence"}));
    const char *const bets[] = {"Black", "Red", "Low (1-18)", "High (19-36)", "1st dozen", "2nd dozen", "3rd dozen",
                                "1st column", "2nd column", "3rd column", "Even", "Odd", "1st and 2nd columns",
                                "2nd and 3rd columns"};
    for (int row = 0; row < kRowCount; ++row)
        EXPECT_EQ(statistics[1 + row][0], bets[row]) << row;
    // Every number is the Hungarian export's, in the same place.
    const auto number = [](const std::string &field) {
        return !field.empty() && field.find_first_not_of("0123456789") == std::string::npos;
    };
    for (const auto &[english, hungarian] : {std::pair{&history, &hungarianHistory},
                                              std::pair{&statistics, &hungarianStatistics}}) {
        for (size_t i = 1; i < english->size(); ++i) {
            ASSERT_EQ((*english)[i].size(), (*hungarian)[i].size());
            for (size_t column = 0; column < (*english)[i].size(); ++column) {
                EXPECT_EQ(number((*english)[i][column]), number((*hungarian)[i][column])) << i << " " << column;
                if (number((*english)[i][column])) {
                    EXPECT_EQ((*english)[i][column], (*hungarian)[i][column]) << i << " " << column;
                }
            }
        }
    }
    for (const auto *table : {&history, &statistics})
        for (const auto &record : *table)
            for (const std::string &field : record)
                EXPECT_FALSE(test::hasHungarianLetter(QString::fromStdString(field))) << field;
}

TEST(CsvExport, TheStatisticsFileIsNamedAfterTheHistoryFile)
{
    EXPECT_EQ(statisticsPath("/x/tura.csv"), "/x/tura_stat.csv");
    EXPECT_EQ(statisticsPath("/x/tura"), "/x/tura_stat.csv");
    EXPECT_EQ(statisticsPath("/x.y/.rejtett"), "/x.y/.rejtett_stat.csv");
    EXPECT_EQ(statisticsPath("/x/a.b.csv"), "/x/a.b_stat.csv");
}

TEST(CsvExport, AFailedWriteLeavesNoFileAndTheOldOneWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tura.csv"));
    ASSERT_TRUE(writeWholeFile(path, "old\r\n"));
    EXPECT_EQ(readFile(path), "old\r\n");
    EXPECT_FALSE(writeWholeFile(dir.filePath(QStringLiteral("nincs/tura.csv")), "x"));

    {
        const test::ReadOnlyFolder readOnly(dir.path());
        if (readOnly.active()) {
            EXPECT_FALSE(writeWholeFile(path, "new\r\n"));
        }
    }
    EXPECT_EQ(readFile(path), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tura.csv")});
}

} // namespace
} // namespace vintaro
