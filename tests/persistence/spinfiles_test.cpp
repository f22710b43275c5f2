#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <iterator>
#include <random>
#include <string>

#include "persistence/groupfiles.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {
namespace {

std::vector<std::int16_t> spinsOf(std::string_view content) { return parseSpinList(content).spins; }

TEST(SpinFiles, FieldValueRoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(fieldValue("5"), 5);
    EXPECT_EQ(fieldValue("  17"), 17);
    EXPECT_EQ(fieldValue("1 7"), 17);
    EXPECT_EQ(fieldValue("0.5"), 0);
    EXPECT_EQ(fieldValue("1.5"), 2);
    EXPECT_EQ(fieldValue("2.5"), 2);
    EXPECT_EQ(fieldValue("3.5"), 4);
    EXPECT_EQ(fieldValue("36.5"), 36);
    EXPECT_EQ(fieldValue("36.51"), 37);
    EXPECT_EQ(fieldValue("12abc"), 12);
    EXPECT_EQ(fieldValue("-1"), -1);
    EXPECT_EQ(fieldValue(""), std::nullopt);
    EXPECT_EQ(fieldValue("abc"), std::nullopt);
    // Every field of one or two characters that starts with a digit or a
    // sign and a digit: the digits up to the first other character.
    const std::string digits = "0123456789", others = ".-+&ehx ";
    for (char a : digits) {
        EXPECT_EQ(fieldValue(std::string{a}), a - '0');
        for (char b : digits)
            EXPECT_EQ(fieldValue(std::string{a, b}), (a - '0') * 10 + (b - '0'));
        for (char b : others) {
            EXPECT_EQ(fieldValue(std::string{a, b}), a - '0') << a << b;
            EXPECT_EQ(fieldValue(std::string{'-', a}), '0' - a);
            EXPECT_EQ(fieldValue(std::string{'+', a}), a - '0');
        }
    }
}

TEST(SpinFiles, ListsOfBothWritersLoadTheSameSpins)
{
    const std::vector<std::int16_t> expected{5, 17, 0};
    EXPECT_EQ(spinsOf(" 5\r\n17\r\n 0\r\n"), expected);
    EXPECT_EQ(spinsOf("5\r\n17\r\n0\r\n"), expected);
    EXPECT_EQ(spinsOf("5\n17\n0"), expected);
    EXPECT_EQ(spinsOf("5,17\r\n0\r\n"), expected);
    const SpinList empty = parseSpinList("");
    EXPECT_TRUE(empty.spins.empty());
    EXPECT_EQ(empty.skipped, 0);
    EXPECT_EQ(empty.firstSkippedLine, 0);
}

TEST(SpinFiles, ALongerListKeepsItsNewestSpins)
{
    std::string content;
    const int total = SpinHistory::kCapacity + 5;
    for (int i = 0; i < total; ++i)
        content += std::to_string(i % 37) + "\r\n";
    const SpinList list = parseSpinList(content);
    ASSERT_EQ(list.spins.size(), static_cast<size_t>(SpinHistory::kCapacity));
    EXPECT_EQ(list.leftOut, 5);
    EXPECT_EQ(list.spins.front(), 5);
    EXPECT_EQ(list.spins.back(), (total - 1) % 37);

    std::string full;
    for (int i = 0; i < SpinHistory::kCapacity; ++i)
        full += "7\r\n";
    EXPECT_EQ(parseSpinList(full).leftOut, 0);
}

// Lines that once swallowed their neighbours or turned into wrong spins: each
// line is judged on its own, and a line that holds no spin is counted.
TEST(SpinFiles, EveryLineIsJudgedOnItsOwn)
{
    struct Case
    {
        std::string content;
        std::vector<std::int16_t> spins;
        int skipped;
        int firstSkippedLine;
    };
    const std::string huge(400, '9');
    const std::string tiny = "0." + std::string(400, '0') + "7";
    const std::vector<Case> cases = {
        {" 5\r\n\"7\r\n 8\r\n 9\r\n17\r\n", {5, 7, 8, 9, 17}, 0, 0}, // a stray quote ends at its line
        {" 5\r\n\"x\r\n 8\r\n\"\r\n17\r\n", {5, 8, 17}, 2, 2},
        {"3\r\n" + huge + "\r\n4\r\n", {3, 4}, 1, 2},          // more digits than any number type holds
        {tiny + "\r\n1\r\n", {1}, 1, 1},                      // a digit too small to hold
        {"\xEF\xBB\xBF" "12\r\n0\r\n", {12, 0}, 0, 0},        // a UTF-8 byte-order mark
        {"1\r\n\r\n37\r\n-1\r\nabc\r\n2", {1, 2}, 4, 2},
        {"1\r2\n3\r\n\r\n", {1, 2, 3}, 1, 4},
        {"7,\r\n,8\r\n 9\r\n1 \r\n\"3\r\n", {7, 8, 9, 1, 3}, 2, 1}, // short lines that are not one field
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    for (const Case &c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.content.data(), qint64(c.content.size()));
        f.close();
        const SpinList read = readSpinList(path);
        EXPECT_EQ(read.spins, c.spins) << c.content.substr(0, 40);
        EXPECT_EQ(read.skipped, c.skipped) << c.content.substr(0, 40);
        EXPECT_EQ(read.firstSkippedLine, c.firstSkippedLine) << c.content.substr(0, 40);
        if (c.content.substr(0, 3) != "\xEF\xBB\xBF") { // the mark is dropped by the file reader
            EXPECT_EQ(parseSpinList(c.content).spins, c.spins) << c.content.substr(0, 40);
        }
    }
}

// A FIFO would block a reader for ever and a device would never end; both
// are unreadable, at once. A list of any length keeps only its newest spins.
TEST(SpinFiles, ReadersTakeRegularFilesOnly)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rszamok.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("parok.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_EQ(readSpinList(fifo).status, ReadStatus::Unreadable);
    EXPECT_EQ(readSpinList(zero).status, ReadStatus::Unreadable);
    EXPECT_EQ(readGroupFile(fifo), std::nullopt);
    EXPECT_EQ(readGroupFile(zero), std::nullopt);
    EXPECT_EQ(readFirstField(zero), std::nullopt);
    EXPECT_EQ(readFirstField(dir.path()), std::nullopt);
    EXPECT_EQ(readSpinList(dir.filePath(QStringLiteral("none.txt"))).status, ReadStatus::Missing);

    const QString big = dir.filePath(QStringLiteral("big.txt"));
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray block;
        for (int i = 0; i < 100000; ++i)
            block += QByteArray::number(i % 37) + "\r\n";
        block += QByteArray(kLineLimit * 3, '7') + "\r\n"; // a line too long to be a spin
        block += "5\r\n";
        f.write(block);
    }
    const SpinList list = readSpinList(big);
    ASSERT_EQ(list.spins.size(), size_t(SpinHistory::kCapacity));
    EXPECT_EQ(list.leftOut, 100000 + 1 - SpinHistory::kCapacity);
    EXPECT_EQ(list.skipped, 1);
    EXPECT_EQ(list.firstSkippedLine, 100001);
    EXPECT_EQ(list.spins.back(), 5);
    EXPECT_EQ(list.spins.front(), (100000 - SpinHistory::kCapacity + 1) % 37);
}

// Read from a file in blocks, a list gives what the same bytes give in
// memory, whatever its line ends, blanks, commas, quotes and junk, and
// wherever its lines fall across the blocks; a line longer than the limit
// counts as one skipped field.
TEST(SpinFiles, TheFileReaderReadsAsTheTextDoes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rszamok.txt"));
    const char *const pieces[] = {"\r\n", "\n", "\r", " ", "\t", ",", "\"", "x", "-", ".5", "17", "0", "36", "37", "5 "};
    std::mt19937 random(31);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        std::string content;
        const int length = int(random() % 200000); // past a block of 64 KiB or two, or not
        while (int(content.size()) < length) {
            const unsigned roll = random() % 10;
            if (roll < 6) {
                // Half as the program saves them (" 5"), half bare ("5").
                const unsigned n = random() % 37;
                if (n < 10 && random() % 2)
                    content += ' ';
                content += std::to_string(n);
                content += "\r\n";
            }
            else
                content += pieces[random() % std::size(pieces)];
        }
        const bool longLine = round % 4 == 3;
        if (longLine)
            content.insert(content.size() / 2, "\r\n" + std::string(size_t(kLineLimit) + 1 + random() % 9000, '7') + "\r\n");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content.data(), qint64(content.size()));
        f.close();
        const SpinList fromFile = readSpinList(path);
        const SpinList inMemory = parseSpinList(content);
        EXPECT_EQ(fromFile.spins, inMemory.spins);
        EXPECT_EQ(fromFile.leftOut, inMemory.leftOut);
        if (!longLine) {
            EXPECT_EQ(fromFile.skipped, inMemory.skipped);
            EXPECT_EQ(fromFile.firstSkippedLine, inMemory.firstSkippedLine);
        }
    }
}

TEST(SpinFiles, GroupAndRoomFilesAreWindows1250Text)
{
    QTemporaryDir dir;
    const QString groups = dir.filePath(QStringLiteral("parok.txt"));
    {
        QFile f(groups);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1-2 \xE1\r\n\"3-6\r\n4-5\r\n");
    }
    EXPECT_EQ(readGroupFile(groups), (std::vector<std::string>{"1-2 \u00e1", "3-6", "4-5"}));
    const QString room = dir.filePath(QStringLiteral("terem.txt"));
    {
        QFile f(room);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("4\r7\r\n");
    }
    EXPECT_EQ(readFirstField(room), QStringLiteral("4"));
}

} // namespace
} // namespace vintaro
