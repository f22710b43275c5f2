// Spins brought from elsewhere: every kind of file gives exactly the spins
// it holds, in the order chosen, with the lines it skipped and why; the
// import appends them to a room's saved list or replaces it, and touches no
// other file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "persistence/csvexport.h"
#include "persistence/roomimport.h"
#include "persistence/spinimport.h"
#include "tests/support/files.h"

namespace vintaro {
namespace {

using test::bytesOf;
using test::putBytes;

std::string utf16le(std::string_view ascii, bool mark)
{
    std::string out = mark ? std::string("\xFF\xFE") : std::string();
    for (const char c : ascii)
        out += c, out += '\0';
    return out;
}

std::string utf16be(std::string_view ascii)
{
    std::string out;
    for (const char c : ascii)
        out += '\0', out += c;
    return out;
}

struct Skip
{
    SkipReason reason;
    std::int64_t lines;
    std::int64_t first;
};

TEST(SpinImport, EveryKindOfFileGivesExactlyItsSpinsInTheOrderChosen)
{
    struct Case
    {
        const char *name;
        std::string bytes;
        std::string column;
        bool newestFirst;
        std::vector<int> spins; // oldest first
        ImportFormat format;
        TextEncoding encoding;
        std::int64_t lines;
        std::vector<Skip> skipped;
    };
    const std::string exportSpins = historyCsv(std::vector<std::int16_t>{3, 0, 36});
    const std::string exportSpreadsheet = historyCsv(std::vector<std::int16_t>{3, 0, 36}, CsvStyle::hungarianSpreadsheet());
    const std::vector<Case> cases = {
        {"one a line, Windows-1250 title", "P\xF6rget\xE9sek\r\n5\r\n17\r\n0\r\n", "", false, {5, 17, 0},
         ImportFormat::List, TextEncoding::Windows1250, 4, {{SkipReason::NotANumber, 1, 1}}},
        {"many a line, every separator", "1 2,3;4\t5\n36 37 8\n\n 12\n", "", false, {1, 2, 3, 4, 5, 12},
         ImportFormat::List, TextEncoding::Utf8, 4, {{SkipReason::OutOfRange, 1, 2}}},
        {"newest first", "3\r2\r1\r", "", true, {1, 2, 3}, ImportFormat::List, TextEncoding::Utf8, 3, {}},
        {"a line that is not all spins is skipped whole", "17 (piros)\n2024-01-05 9\n12.5\n7\n", "", false, {7},
         ImportFormat::List, TextEncoding::Utf8, 4, {{SkipReason::NotANumber, 3, 1}}},
        {"column by name, semicolons, quotes", "Dátum;Szám;Szín\r\n\"2024.01.05; reggel\";17;piros\r\n"
                                               "2024.01.06; 0 ;zöld\r\n2024.01.07;;\r\n",
         "Szám", false, {17, 0}, ImportFormat::Csv, TextEncoding::Utf8, 4,
         {{SkipReason::NotANumber, 1, 4}, {SkipReason::Header, 1, 1}}},
        {"column by name in Windows-1250, newest first", "Id,Sz\xE1m\r\n1,4\r\n2,40\r\n3,22\r\n", "szám", true,
         {22, 4}, ImportFormat::Csv, TextEncoding::Windows1250, 4,
         {{SkipReason::OutOfRange, 1, 3}, {SkipReason::Header, 1, 1}}},
        {"column by number, no header", "1,05\n2,36\n3,x\n4\n", "2", false, {5, 36}, ImportFormat::Csv,
         TextEncoding::Utf8, 4, {{SkipReason::NotANumber, 1, 3}, {SkipReason::NoColumn, 1, 4}}},
        {"column by number under a header", "Nr\tNumber\n1\t7\n2\t8\n", "2", false, {7, 8}, ImportFormat::Csv,
         TextEncoding::Utf8, 3, {{SkipReason::Header, 1, 1}}},
        {"the program's export", exportSpins, "", false, {3, 0, 36}, ImportFormat::ExportCsv, TextEncoding::Utf8, 4,
         {{SkipReason::Header, 1, 1}}},
        {"the export for spreadsheets", exportSpreadsheet, "", false, {3, 0, 36}, ImportFormat::ExportCsv,
         TextEncoding::Utf8, 4, {{SkipReason::Header, 1, 1}}},
        {"the export written in English", "Spin,Number,Colour\r\n1,3,Red\r\n2,0,Green\r\n3,36,Red\r\n", "", false,
         {3, 0, 36}, ImportFormat::ExportCsv, TextEncoding::Utf8, 4, {{SkipReason::Header, 1, 1}}},
        {"UTF-16 with its mark", utf16le("1\r\n2\r\n33\r\n", true), "", false, {1, 2, 33}, ImportFormat::List,
         TextEncoding::Utf16, 3, {}},
        {"UTF-16 big-endian without a mark", utf16be("9\n10 11\n"), "", false, {9, 10, 11}, ImportFormat::List,
         TextEncoding::Utf16, 2, {}},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "6\n", "", false, {6}, ImportFormat::List, TextEncoding::Utf8, 1, {}},
        {"a column named that no header has", "A,B\n1,2\n", "C", false, {}, ImportFormat::Csv, TextEncoding::Utf8, 2,
         {{SkipReason::Header, 1, 1}, {SkipReason::NoColumn, 1, 2}}},
        {"nothing at all", "", "", false, {}, ImportFormat::List, TextEncoding::Utf8, 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ImportRead read = readImportBytes(c.bytes, {c.column, c.newestFirst});
        EXPECT_EQ(read.status, ImportRead::Status::Ok);
        EXPECT_EQ(std::vector<int>(read.read.spins.begin(), read.read.spins.end()), c.spins);
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_EQ(read.read.lines, c.lines);
        std::array<std::int64_t, kSkipReasonCount> skipped{}, first{};
        for (const Skip &s : c.skipped)
            skipped[std::size_t(s.reason)] = s.lines, first[std::size_t(s.reason)] = s.first;
        EXPECT_EQ(read.read.skipped, skipped);
        EXPECT_EQ(read.read.firstSkipped, first);
        EXPECT_EQ(read.read.columnMissing, std::string(c.name).starts_with("a column named"));
    }
}

TEST(SpinImport, FilesThatCannotBeReadSaySo)
{
    const QTemporaryDir dir;
    EXPECT_EQ(readImportFile(QFile::encodeName(dir.filePath("nincs.txt")).toStdString(), {}).status,
              ImportRead::Status::Missing);
    const ImportRead folder = readImportFile(QFile::encodeName(dir.path()).toStdString(), {});
    EXPECT_EQ(folder.status, ImportRead::Status::Unreadable);
    EXPECT_FALSE(folder.error.empty());
    ASSERT_TRUE(putBytes(dir.filePath("lista.txt"), "7\r\n8\r\n"));
    const ImportRead list = readImportFile(QFile::encodeName(dir.filePath("lista.txt")).toStdString(), {"", true});
    EXPECT_EQ(std::vector<int>(list.read.spins.begin(), list.read.spins.end()), (std::vector<int>{8, 7}));
}

// The import writes the room's saved list as a save writes it; the working
// list and the room number file stay as they were.
TEST(SpinImport, AppendKeepsTheSavedListAndReplaceTakesItsPlace)
{
    struct Case
    {
        const char *name;
        QByteArray saved; // "<missing>": no list yet
        ImportMode mode;
        QByteArray expected;
    };
    const std::vector<Case> cases = {
        {"append after a last line without its end", " 5\r\n17", ImportMode::Append, " 5\r\n17\r\n 1\r\n22\r\n 0\r\n"},
        {"append keeps odd lines as they are", "x\r\n 5\r\n", ImportMode::Append, "x\r\n 5\r\n 1\r\n22\r\n 0\r\n"},
        {"append to a room never saved", "<missing>", ImportMode::Append, " 1\r\n22\r\n 0\r\n"},
        {"replace", " 5\r\n17\r\n", ImportMode::Replace, " 1\r\n22\r\n 0\r\n"},
    };
    const std::vector<std::uint8_t> spins{1, 22, 0};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir dir;
        const QDir folder(dir.path());
        ASSERT_TRUE(putBytes(folder.filePath("rszamok.txt"), " 9\r\n"));
        ASSERT_TRUE(putBytes(folder.filePath("terem.txt"), "5\r\n"));
        if (c.saved != "<missing>") {
            ASSERT_TRUE(putBytes(folder.filePath("rszamok3.txt"), c.saved));
        }
        EXPECT_FALSE(importRoomFiles(dir.path(), QStringLiteral("3"), spins, c.mode));
        EXPECT_EQ(bytesOf(folder.filePath("rszamok3.txt")), c.expected);
        EXPECT_EQ(bytesOf(folder.filePath("rszamok.txt")), QByteArray(" 9\r\n"));
        EXPECT_EQ(bytesOf(folder.filePath("terem.txt")), QByteArray("5\r\n"));
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 3); // nothing left beside them
    }
}

} // namespace
} // namespace vintaro
