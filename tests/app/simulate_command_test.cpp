// vintaro2011 --simulate, run as a user runs it from a shell, on a machine
// without any display.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/resource.h>

#include "tests/support/process.h"

namespace {

using vintaro::test::run;

QStringList arguments(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << QString::fromUtf8(a);
    return out;
}

TEST(SimulateCommand, PrintsTheFiguresRepeatsASeedAndBacktestsAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spins.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Black, black, red, junk, red: Martingale loses 5 and 10, wins 20, then 5.
    file.write("2\r\n4\r\n3\r\nx\r\n1\r\n");
    file.close();

    const QStringList line = arguments({"--simulate", "martingale", "--bet", "piros", "--unit", "5", "--bankroll",
                                        "500", "--table-max", "2560", "--spins", "200", "--sessions", "20000",
                                        "--seed", "42", "--history"}) << path;
    const auto first = run(line);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.isEmpty()) << first.err.toStdString();
    for (const char *expected :
         {"Tétrendszer: Martingale; tét: Piros (18 szám", "kezdőtőke: 500", "maximum: 2\u202F560",
          "4 pörgetésén", "Összes tét", "40\n", "Végeredmény", "10\n", "Legmélyebb esés egy csúcsról", "15\n",
          "20\u202F000 szimulált menet, mag: 42", "Pontos", "Esély, hogy a menet csődbe jut", "Átlagos eredmény",
          "(95 %: ", "Várható eredmény: −(átlagos tét)/37", "az átlagát soha"})
        EXPECT_TRUE(first.out.contains(QString::fromUtf8(expected))) << expected << "\n" << first.out.toStdString();
    // No target: no line for it.
    EXPECT_FALSE(first.out.contains(QString::fromUtf8("eléri a célt")));
    EXPECT_EQ(run(line).out, first.out);

    // Labouchère has no exact figures; a sector pays no whole number of units.
    const auto labouchere =
        run(arguments({"--simulate", "labouchere", "--bet", "voisins", "--sessions", "2000", "--target", "20"}));
    EXPECT_EQ(labouchere.exitCode, 0);
    EXPECT_TRUE(labouchere.out.contains(QString::fromUtf8("eléri a célt")));
    EXPECT_TRUE(labouchere.out.contains(QString::fromUtf8("nincs pontos számítás")));
    EXPECT_FALSE(labouchere.out.contains(QString::fromUtf8("Pontos\n")));
}

// A backtest over standard input keeps no more than a few blocks of it:
// 10 000 000 spins (30 MB) piped in, played to the end, counted whole.
// Alone in its test, so that the largest child is this program.
TEST(SimulateCommand, ABacktestOverAStreamKeepsItsMemoryBounded)
{
    QByteArray stream;
    stream.reserve(30000000);
    for (int k = 0; k < 10000000; ++k)
        stream += k % 2 ? " 1\n" : " 2\n"; // black, red: flat on red stays level
    const auto finished = run(arguments({"--simulate", "flat", "--bet", "piros", "--bankroll", "10",
                                         "--sessions", "1000", "--spins", "10", "--history", "-"}),
                              stream);
    EXPECT_EQ(finished.exitCode, 0) << finished.err.toStdString();
    EXPECT_TRUE(finished.out.contains(QString::fromUtf8("10\u202F000\u202F000 pörgetésén"))) << finished.out.toStdString();
    EXPECT_TRUE(finished.out.contains(QRegularExpression(QStringLiteral("Lejátszott pörgetés +10\u202F000\u202F000\n"))))
        << finished.out.toStdString();
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const long megabytes = usage.ru_maxrss / 1024;
    std::printf("--simulate --history - over 10 000 000 piped spins: %ld MB at most\n", megabytes);
    EXPECT_LT(megabytes, 80);
}

TEST(SimulateCommand, AWrongOptionOrFileEndsWithTwo)
{
    struct Case
    {
        std::initializer_list<const char *> line;
        const char *message;
    };
    const Case cases[] = {
        {{"--simulate", "dalembert"}, "A --simulate mellé a --bet is kell."},
        {{"--simulate", "roulette", "--bet", "piros"}, "Ismeretlen rendszer: roulette"},
        {{"--simulate", "flat", "--bet", "37"}, "Ismeretlen tét: 37"},
        {{"--simulate", "flat", "--bet", "0", "--unit", "egy"}, "A --unit után egy szám kell"},
        {{"--simulate", "flat", "--bet", "0", "--sessions", "0"}, "A --sessions után egy egész szám kell"},
        {{"--simulate", "flat", "--bet", "0", "--table-min", "5", "--table-max", "2"}, "Az asztali maximum"},
        {{"--simulate", "flat", "--bet", "0", "--history", "/nincs/ilyen.txt"}, "ilyen.txt fájl nem olvasható"},
        {{"--bet", "piros"}, "A --bet csak a --simulate mellett használható."},
    };
    for (const Case &c : cases) {
        const auto finished = run(arguments(c.line));
        EXPECT_EQ(finished.exitCode, 2) << c.message;
        EXPECT_TRUE(finished.out.isEmpty()) << c.message;
        EXPECT_TRUE(finished.err.contains(QString::fromUtf8(c.message))) << finished.err.toStdString();
    }
    const auto help = run(arguments({"--help"}));
    for (const char *name : {"flat, martingale, paroli, dalembert, fibonacci, labouchere, oscar", "oszlopMD",
                             "orphelins", "0-tól 36-ig"})
        EXPECT_TRUE(help.out.simplified().contains(QString::fromUtf8(name))) << name;
}

} // namespace
