// vintaro2011 --ledger, run as a user runs it from a shell.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "persistence/ledgerfile.h"
#include "tests/support/process.h"

namespace {

using vintaro::test::run;

TEST(LedgerCommand, PrintsTheSessionsTheTotalsAndTheHonestLine)
{
    QTemporaryDir dir;
    using namespace vintaro;
    // Room 3: red 10 wins on 1, then 20 on Voisins (one chip) misses on 27.
    Ledger three;
    three.startSession("2026-12-06 19:00", "3", "Asztal, 2", 500);
    three.record({BetKind::Outside, 1, {}}, 10);
    three.settle(1, 1);
    three.record({BetKind::Sector, 0, {}}, 20);
    three.settle(2, 27);
    three.endSession("2026-12-06 23:00", 330, "");
    ASSERT_TRUE(writeLedger(ledgerFile(dir.path(), QStringLiteral("3")), three));
    // Room 10: an open session, 5 on 17 hits.
    Ledger ten;
    ten.startSession("2026-12-07 20:00", "10", "", 100);
    ten.record({BetKind::Number, 17, {}}, 5);
    ten.settle(1, 17);
    ASSERT_TRUE(writeLedger(ledgerFile(dir.path(), QStringLiteral("10")), ten));

    const QStringList base = {QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--ledger")};
    const auto text = run(base);
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    // 190 staked in room 3, result 10 - 180 = -170; 5 in room 10, +175.
    for (const char *expected :
         {"3. terem naplója", "1. menet: 2026-12-06 19:00 – 2026-12-06 23:00, Asztal, 2; hozott 500, vitt 330",
          "Tét összesen: 190, eredmény: -170, várható: -5,14", "10. terem naplója", "1. menet: 2026-12-07 20:00 – nyitva",
          "Tét összesen: 5, eredmény: 175, várható: -0,14", "Minden terem összesen:",
          "Tét összesen: 195, eredmény: 5, várható: -5,27", "a sávon belül van", "a sávon kívül esik"})
        EXPECT_TRUE(text.out.contains(QString::fromUtf8(expected))) << expected << "\n" << text.out.toStdString();
    EXPECT_LT(text.out.indexOf(QStringLiteral("3. terem")), text.out.indexOf(QStringLiteral("10. terem")));

    const auto csv = run(QStringList(base) << QStringLiteral("--room") << QStringLiteral("3") << QStringLiteral("--csv"));
    EXPECT_EQ(csv.exitCode, 0);
    const QStringList lines = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << csv.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("room,session,start,end,place,spins,bets,staked,result,expected,band_low,"
                                       "band_high,inside"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("3,1,2026-12-06 19:00,2026-12-06 23:00,\"Asztal, 2\",2,2,190,-170,-5.14,")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("3,total,,,,2,2,190,-170,-5.14,"))) << lines[2].toStdString();

    // A damaged ledger is named, the others still printed; exit 2.
    QFile damaged(ledgerFile(dir.path(), QStringLiteral("5")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("record,session\r\n");
    damaged.close();
    const auto hurt = run(base);
    EXPECT_EQ(hurt.exitCode, 2);
    EXPECT_TRUE(hurt.err.contains(QStringLiteral("naplo5.csv")) && hurt.err.contains(QStringLiteral("1. sorában")))
        << hurt.err.toStdString();
    EXPECT_TRUE(hurt.out.contains(QStringLiteral("10. terem")));
    // A room without a ledger, and wrong options.
    const auto none = run(QStringList(base) << QStringLiteral("--room") << QStringLiteral("7"));
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(none.out.contains(QString::fromUtf8("még nincs naplója"))) << none.out.toStdString();
    EXPECT_EQ(run({QStringLiteral("--csv")}).exitCode, 2);
    EXPECT_EQ(run(QStringList(base) << QStringLiteral("--room") << QStringLiteral("../x")).exitCode, 2);
}

} // namespace
