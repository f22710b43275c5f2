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
          "(95 %: ", "Várható eredmény: −(átlagos tét)/37", "egy tétegységre jutó veszteség rögzített"})
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
#ifdef __SANITIZE_ADDRESS__
    // The sanitizer's shadow and quarantine come on top; a kept stream or
    // bankroll line (10 000 000 doubles, 80 MB) would still pass the bound.
    EXPECT_LT(megabytes, 160);
#else
    EXPECT_LT(megabytes, 80);
#endif
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

// A system of the player's own, from its rules or from the systems file: the
// same figures as the built-in system it copies, the bankroll for a risk,
// and a Hungarian message for every wrong option.
TEST(SimulateCommand, PlaysAnOwnSystemFromItsRulesOrTheSystemsFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rendszerek.ini"));
    QFile ini(file);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Dupla tucat]\nbet=harmad2\nstakes=1,2,4\non-win=next\non-loss=first\nafter-last=first\n"
              "bankroll=50\nspins=60\n[Rossz]\nstakes=1\n");
    ini.close();
    const QString damaged = dir.filePath(QStringLiteral("serult.ini"));
    QFile bad(damaged);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[A]\nstakes=1,2\non-win=sideways\n");
    bad.close();
    const QByteArray fileArg = file.toUtf8(), damagedArg = damaged.toUtf8();
    const char *const common[] = {"--sessions", "4000", "--seed", "11", "--spins", "100", "--table-max", "512"};
    auto line = [&](std::initializer_list<const char *> first) {
        QStringList out = arguments(first);
        for (const char *a : common)
            out << QString::fromUtf8(a);
        return out;
    };
    struct Case
    {
        QStringList line;
        int exitCode;
        std::vector<const char *> expected; // in the output, or in the message
    };
    const std::vector<Case> cases = {
        {line({"--simulate", "own", "--stakes", "1,2,4,8,16,32,64,128,256,512", "--bet", "piros", "--risk", "5%"}),
         0,
         {"saját rendszer: tétek 1, 2, 4, 8, 16, 32, 64, 128, 256, 512 egység; nyerés után vissza az első lépésre",
          "Pontos", "legfeljebb 5,00 % eséllyel jut csődbe: 993 "}},
        {line({"--simulate", "own", "--system-file", fileArg.constData(), "--system", "Dupla tucat"}),
         0,
         {"saját rendszer „Dupla tucat”: tétek 1, 2, 4 egység; nyerés után a következő lépésre, vesztés után vissza "
          "az első lépésre, az utolsó lépés után vissza az elsőre",
          "tét: 2. harmad", "kezdőtőke: 50;", "Pontos"}},
        {line({"--simulate", "own", "--system-file", fileArg.constData(), "--system", "Dupla tucat", "--bet",
               "piros", "--bankroll", "70", "--reach", "40%"}),
         0,
         {"tét: Piros", "kezdőtőke: 70;", "legalább 40,0 % eséllyel a csőd előtt elér: "}},
        {line({"--simulate", "own", "--stakes", "1", "--sit-out", "2:3", "--after-last", "stop", "--bet", "0"}),
         0,
         {"2 vesztés után sorban 3 pörgetés kimarad", "Pontos"}},
        // Any bankroll the window accepts: computed, or refused at once with a reason.
        {arguments({"--simulate", "flat", "--bet", "piros", "--bankroll", "1000000000", "--sessions", "10",
                    "--spins", "5"}),
         0,
         {"Pontos", "Esély, hogy a menet csődbe jut"}},
        {arguments({"--simulate", "martingale", "--bet", "7", "--bankroll", "1000000000", "--sessions", "2",
                    "--spins", "1000000", "--risk", "1%"}),
         0,
         {"a szimuláció így is fut", "nem számítható ki"}},
        {line({"--simulate", "own", "--bet", "piros"}), 2, {"vagy a --system-file és a --system, vagy a --stakes"}},
        {line({"--simulate", "own", "--stakes", "1,x", "--bet", "piros"}), 2, {"Hibás --stakes: 1,x"}},
        {line({"--simulate", "own", "--stakes", "1,2", "--on-win", "back:0", "--bet", "piros"}), 2, {"Hibás --on-win"}},
        {line({"--simulate", "own", "--stakes", "1,2", "--sit-out", "3:0", "--bet", "piros"}), 2, {"A kimaradás"}},
        {line({"--simulate", "own", "--system-file", fileArg.constData(), "--system", "Nincs"}), 2,
         {"Nincs „Nincs” nevű rendszer"}},
        {line({"--simulate", "own", "--system-file", damagedArg.constData(), "--system", "A"}), 2,
         {"sérült, 3. sor"}},
        {line({"--simulate", "own", "--system-file", fileArg.constData()}), 2, {"a --system is kell"}},
        {line({"--simulate", "martingale", "--bet", "piros", "--stakes", "1,2"}), 2,
         {"A --stakes a --simulate own mellé való."}},
        {line({"--simulate", "flat", "--bet", "piros", "--risk", "0%"}), 2, {"A --risk után egy százalék kell"}},
        {line({"--simulate", "flat", "--bet", "piros", "--reach", "120"}), 2, {"A --reach után egy százalék kell"}},
        {arguments({"--risk", "5%"}), 2, {"A --risk csak a --simulate mellett használható."}},
    };
    for (const Case &c : cases) {
        const auto finished = run(c.line);
        EXPECT_EQ(finished.exitCode, c.exitCode) << c.line.join(' ').toStdString() << finished.err.toStdString();
        const QString &text = c.exitCode == 0 ? finished.out : finished.err;
        for (const char *expected : c.expected)
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
                << expected << "\n" << text.toStdString();
    }
    // The own copy of Martingale prints the built-in system's figures, line for line.
    auto figures = [](const QString &out) { return out.mid(out.indexOf(QLatin1Char('\n'))); };
    const auto mine = run(line({"--simulate", "own", "--stakes", "1,2,4,8,16,32,64,128,256,512", "--bet", "piros"}));
    const auto builtIn = run(line({"--simulate", "martingale", "--bet", "piros"}));
    EXPECT_EQ(figures(mine.out), figures(builtIn.out));
    // No run above took the memory of a quarter of a gigabyte.
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 250 * 1024); // kB
}

// --language en: the same run in English words and numbers, English bet
// names on the command line, English messages; no Hungarian letter left.
TEST(SimulateCommand, SpeaksEnglishWithLanguageEn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spins.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2\r\n4\r\n3\r\n1\r\n");
    file.close();
    const QString ini = dir.filePath(QStringLiteral("damaged.ini"));
    QFile bad(ini);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[A]\nstakes=1,2\non-win=sideways\n");
    bad.close();
    const QByteArray iniArg = ini.toUtf8();
    const QRegularExpression hungarian(QString::fromUtf8("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"));

    const QStringList own = arguments({"--simulate", "own", "--stakes", "1,2,4", "--sit-out", "2:3", "--target",
                                       "50", "--sessions", "2000", "--seed", "3", "--risk", "5%", "--reach", "40%",
                                       "--history"})
                            << path;
    const auto english = run(arguments({"--language", "en", "--bet", "red"}) + own);
    EXPECT_EQ(english.exitCode, 0) << english.err.toStdString();
    for (const char *expected :
         {"Betting system: own system: stakes 1, 2, 4 units; after a win back to the first step, after a loss on to "
          "the next step, after the last step stays on the last; after 2 losses in a row, sits out 3 spins; bet: Red "
          "(18 numbers, a hit returns 2 times the stake)\n",
          "Unit: 1; bankroll: 100; table minimum: 1, maximum: none; target: 50; at most 1,000 spins per session\n",
          "Played on the 4 spins of ", "End of the session", "the spins ran out", "Deepest fall from a peak",
          "2,000 simulated sessions, seed: 3 (the same seed gives the same)", "Simulated", "Exact",
          "Chance that the session reaches the target", "(95%: ", "Smallest bankroll with which the session goes bust",
          "Largest target that the session reaches", "this loss per unit staked is fixed"})
        EXPECT_TRUE(english.out.contains(QString::fromUtf8(expected))) << expected << "\n" << english.out.toStdString();
    EXPECT_FALSE(english.out.contains(hungarian)) << english.out.toStdString();
    // The English bet name is the Hungarian one: the same run, the same figures.
    const auto piros = run(arguments({"--bet", "piros"}) + own), red = run(arguments({"--bet", "red"}) + own);
    EXPECT_EQ(red.out, piros.out);
    EXPECT_TRUE(piros.out.contains(QString::fromUtf8("2\u202F000 szimulált menet, mag: 3"))) << piros.out.toStdString();

    const auto labouchere = run(arguments({"--language", "en", "--simulate", "labouchere", "--bet", "dozen1",
                                           "--sessions", "200", "--seed", "1"}));
    EXPECT_TRUE(labouchere.out.contains(QStringLiteral("Labouchère; bet: 1st dozen (12 numbers, a hit returns 3 "
                                                       "times the stake)")))
        << labouchere.out.toStdString();
    EXPECT_TRUE(labouchere.out.contains(QStringLiteral("This system has no exact calculation, only the simulation.")));

    const struct
    {
        std::initializer_list<const char *> line;
        const char *message;
    } wrong[] = {
        {{"--simulate", "dalembert"}, "--simulate needs --bet too."},
        {{"--simulate", "flat", "--bet", "blue"}, "Unknown bet: blue (see --help)."},
        {{"--simulate", "flat", "--bet", "0", "--sessions", "0"},
         "--sessions takes a whole number between 1 and 20,000,000, not this: 0"},
        {{"--simulate", "flat", "--bet", "0", "--table-min", "5", "--table-max", "2"},
         "The table maximum must be at least the minimum (0: no maximum)."},
        {{"--simulate", "own", "--stakes", "1,2", "--sit-out", "3:0", "--bet", "odd"}, "Sitting out: at most 100"},
        {{"--simulate", "own", "--system-file", iniArg.constData(), "--system", "A"},
         "is damaged, line 3: Unknown key or wrong value: on-win=sideways. The file stays unchanged"},
        {{"--risk", "5%"}, "--risk can only be used with --simulate."},
    };
    for (const auto &c : wrong) {
        const auto finished = run(arguments({"--language", "en"}) + arguments(c.line));
        EXPECT_EQ(finished.exitCode, 2) << c.message;
        EXPECT_TRUE(finished.err.contains(QString::fromUtf8(c.message))) << finished.err.toStdString();
    }
    const auto help = run(arguments({"--language", "en", "--help"}));
    for (const char *expected : {"--simulate SYSTEM", "own (a system of the player's own", "--bet BET",
                                 "black, red, low, high, dozen1, dozen2, dozen3, column1, column2, column3, even, "
                                 "odd, columns12, columns23, voisins, jeuzero, tiers, orphelins, or a number from 0 "
                                 "to 36.",
                                 "--history FILE", "--on-win STEP", "After N losses in a row, sit out M spins"})
        EXPECT_TRUE(help.out.simplified().contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
