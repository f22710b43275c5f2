// The ledger file: the bytes written, read back whole, and every kind of
// damage named by its line without taking anything else down.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "persistence/ledgerfile.h"
#include "tests/support/files.h"

namespace vintaro {
namespace {

Ledger sample()
{
    Ledger ledger;
    ledger.startSession("2026-12-06 19:00", "3", "Casino, \"Nagy\" asztal", 500);
    ledger.record({BetKind::Outside, 1, {}}, 10);
    ledger.record({BetKind::Sector, 0, {}}, 2);
    ledger.settle(1, 26);
    ledger.endSession("2026-12-06 23:00", 480, "két sor\r\njegyzet");
    ledger.startSession("2026-12-07 20:00", "3", "", 1000);
    BetKey chosen{BetKind::Selection, 0, {}};
    chosen.numbers.set(0).set(17).set(36);
    ledger.record(chosen, 5);
    ledger.record({BetKind::Number, 17, {}}, 1);
    ledger.settle(2, 17);
    ledger.record({BetKind::Outside, 13, {}}, 4);
    return ledger;
}

} // namespace

TEST(LedgerFileTest, WrittenAsASpreadsheetReadsItAndReadBackWhole)
{
    const std::string text = ledgerText(sample());
    EXPECT_EQ(text,
              "record,session,start,end,room,place,bankroll_in,bankroll_out,bet,stake,numbers,spin,number,fixed,notes\r\n"
              "session,1,2026-12-06 19:00,2026-12-06 23:00,3,\"Casino, \"\"Nagy\"\" asztal\",500,480,,,,,,,két sor  jegyzet\r\n"
              "bet,1,,,,,,,Piros,10,,1,26,0,\r\n"
              "bet,1,,,,,,,Voisins du zéro,2,,1,26,0,\r\n"
              "session,2,2026-12-07 20:00,,3,,1000,,,,,,,,\r\n"
              "bet,2,,,,,,,Kiválasztás,5,0 17 36,2,17,0,\r\n"
              "bet,2,,,,,,,17,1,,2,17,0,\r\n"
              "bet,2,,,,,,,Oszlop  M D,4,,,,0,\r\n");
    const LedgerRead read = parseLedger(text);
    ASSERT_EQ(read.damagedLine, 0);
    const Ledger expected = sample();
    EXPECT_EQ(read.ledger.bets(), expected.bets());
    ASSERT_EQ(read.ledger.sessions().size(), 2u);
    EXPECT_EQ(read.ledger.sessions()[0].place, "Casino, \"Nagy\" asztal");
    EXPECT_EQ(read.ledger.sessions()[0].notes, "két sor  jegyzet");
    EXPECT_EQ(read.ledger.sessions()[1], expected.sessions()[1]);
    // The open session resumes with its waiting bet, which the next spin settles.
    ASSERT_NE(read.ledger.openSession(), nullptr);
    EXPECT_EQ(read.ledger.waiting().size(), 1u);
    Ledger resumed = read.ledger;
    EXPECT_EQ(resumed.settle(3, 2), 1);
    EXPECT_EQ(resumed.bankroll(2), 1000 - 15 + 180 - 1 + 36 - 4 + 6);
    // A byte-order mark and LF line ends read the same.
    std::string lf = "\xEF\xBB\xBF" + text;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    EXPECT_EQ(parseLedger(lf).ledger.bets(), expected.bets());
}

TEST(LedgerFileTest, DamageIsNamedByItsLine)
{
    const std::string header =
        "record,session,start,end,room,place,bankroll_in,bankroll_out,bet,stake,numbers,spin,number,fixed,notes\r\n";
    const std::string session = "session,1,2026-12-07 20:00,,3,,100,,,,,,,,\r\n";
    const struct
    {
        std::string text;
        int line;
    } cases[] = {
        {"", 1},
        {"just text\r\n", 1},
        {header + session + "bet,1,,,,,,,Piros,10,,1,26,0\r\n", 3},             // a column short
        {header + session + "bet,1,,,,,,,Pirosz,10,,1,26,0,\r\n", 3},           // no such bet
        {header + session + "bet,1,,,,,,,Piros,0,,1,26,0,\r\n", 3},             // no stake
        {header + session + "bet,1,,,,,,,Piros,10,,1,37,0,\r\n", 3},            // no such number
        {header + session + "bet,1,,,,,,,Piros,10,,1,,0,\r\n", 3},              // spin without number
        {header + session + "bet,2,,,,,,,Piros,10,,,,0,\r\n", 3},               // no such session
        {header + session + "bet,1,,,,,,,Kiválasztás,10,3 x,,,0,\r\n", 3},      // a selection of junk
        {header + session + "bet,1,,,,,,,\"Piros,10,,,,0,\r\n", 3},             // a quote left open
        {header + session + session, 3},                                         // the same session twice
        {header + session + "session,2,2026-12-07 21:00,,3,,100,,,,,,,,\r\n", 3}, // a second while one is open
        {header + "session,1,,,3,,100,,,,,,,,\r\n", 2},                          // no start
        {header + session + "total,1,,,,,,,,,,,,,\r\n", 3},                      // no such record
        {header + session + "bet,1,,,,,,,Piros,10,,0,26,0,\r\n", 3},             // spin 0
        {header + session + "bet,1,,,,,,,Piros,10,,-4,26,0,\r\n", 3},            // a spin before the first
        {header + session + "bet,1,,,,,,,Piros,1000000001,,1,26,0,\r\n", 3},     // a stake no table takes
        {header + "session,1,2026-12-07 20:00,,3,,9000000000000000000,,,,,,,,\r\n", 2}, // money beyond any sum
        {header + "session,1,2026-12-07 20:00,,3,,-9223372036854775808,,,,,,,,\r\n", 2},
        {header + session + "bet,1,,,,,,,Piros,10,,1,26,2,\r\n", 3},             // fixed neither 0 nor 1
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const LedgerRead read = parseLedger(c.text);
        EXPECT_EQ(read.damagedLine, c.line);
        EXPECT_TRUE(read.ledger.sessions().empty());
    }
    EXPECT_EQ(parseLedger(header).damagedLine, 0);
}

TEST(LedgerFileTest, TheFileBesideTheRoomsList)
{
    QTemporaryDir dir;
    const QString path = ledgerFile(dir.path(), QStringLiteral("7"));
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("naplo7.csv"));
    EXPECT_EQ(readLedger(path).status, ReadStatus::Missing);
    ASSERT_TRUE(writeLedger(path, sample()));
    EXPECT_EQ(test::bytesOf(path), QByteArray::fromStdString(ledgerText(sample())));
    EXPECT_EQ(readLedger(path).ledger.bets(), sample().bets());
    // A folder or a FIFO in its place is unreadable, never waited on.
    const QString fifo = ledgerFile(dir.path(), QStringLiteral("8"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(readLedger(fifo).status, ReadStatus::Unreadable);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("naplo9.csv")));
    EXPECT_EQ(readLedger(ledgerFile(dir.path(), QStringLiteral("9"))).status, ReadStatus::Unreadable);
}

} // namespace vintaro
