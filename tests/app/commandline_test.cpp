// The command line: what runs, what ends and with which exit code.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <algorithm>

#include "app/commandline.h"
#include "tests/support/englishtexts.h"

namespace vintaro {
namespace {

CommandLine parse(std::initializer_list<const char *> arguments)
{
    QStringList list{QStringLiteral("/usr/bin/vintaro2011")};
    for (const char *a : arguments)
        list << QString::fromUtf8(a);
    return parseCommandLine(list);
}

TEST(CommandLine, DataDirNamesTheListsFolder)
{
    for (const auto &args : {std::initializer_list<const char *>{"--data-dir", "/tmp/my lists"},
                             std::initializer_list<const char *>{"--data-dir=/tmp/my lists"},
                             std::initializer_list<const char *>{"-style", "fusion", "--data-dir", "/tmp/my lists"}}) {
        const CommandLine line = parse(args);
        EXPECT_EQ(line.action, CommandLine::Action::Run);
        EXPECT_EQ(line.dataDir, QStringLiteral("/tmp/my lists"));
        EXPECT_TRUE(line.error.isEmpty());
    }
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_TRUE(parse({}).dataDir.isEmpty());
    // Qt's own options (a session manager's -session) are left to QApplication.
    EXPECT_EQ(parse({"-session", "1a2b", "-reverse"}).action, CommandLine::Action::Run);
}

TEST(CommandLine, HelpAndVersionEndWithZeroAWrongLineWithTwo)
{
    QCoreApplication::setApplicationName(QStringLiteral("vintaro"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    struct Case
    {
        std::initializer_list<const char *> args;
        int exitCode;
        const char *out;   // contained in stdout
        const char *error; // contained in stderr
    };
    const Case cases[] = {
        {{"--help"}, 0, "--data-dir MAPPA", ""},
        {{"-h"}, 0, "Használat: vintaro2011", ""},
        {{"--version"}, 0, "vintaro2011 1.0\n", ""},
        {{"--bogus"}, 2, "", "Ismeretlen kapcsol"},
        {{"--data-dir"}, 2, "", "--data-dir"},
        {{"--data-dir="}, 2, "", "--data-dir"},
        {{"--analyse="}, 2, "", "--analyse"}, // not the window, as if nothing was asked
        {{"stray"}, 2, "", "stray"},
        {{"--analyse"}, 2, "", "A(z) --analyse után meg kell adni az értékét."},
        {{"--version=2"}, 2, "", "A(z) --version nem kap értéket."},
    };
    for (const Case &c : cases) {
        const CommandLine line = parse(c.args);
        const std::string what = *c.args.begin();
        EXPECT_EQ(line.action, CommandLine::Action::Exit) << what;
        EXPECT_EQ(line.exitCode, c.exitCode) << what;
        EXPECT_TRUE(line.out.contains(QString::fromUtf8(c.out))) << what << ": " << line.out.toStdString();
        EXPECT_TRUE(line.error.contains(QString::fromUtf8(c.error))) << what << ": " << line.error.toStdString();
        EXPECT_EQ(line.out.isEmpty(), c.exitCode != 0) << what;
    }
}

TEST(CommandLine, HelpIsHungarianAndTellsOptionsFilesEnvironmentAndExitCodes)
{
    const QString help = parse({"--help"}).out;
    const char *const told[] = {
        "Használat: vintaro2011 [KAPCSOLÓK]", "Kapcsolók:", "-h, --help", "-v, --version", "--data-dir MAPPA",
        "--analyse FÁJL", "Fájlok:", "/usr/share/vintaro/", "$XDG_DATA_HOME/vintaro/", "~/.local/share/vintaro/",
        "rszamok.txt", "terem.txt", "Vintaro.doc", "Környezeti változók:", "XDG_DATA_HOME", "Kilépési kódok:",
        "  0  ", "  2  ", "A projekt honlapja: https://", "Hibabejelentés: https://",
    };
    for (const char *text : told)
        EXPECT_TRUE(help.contains(QString::fromUtf8(text))) << text << "\n" << help.toStdString();
    // Nothing of Qt's English help, nor its hidden options.
    for (const char *english : {"Usage", "Options", "Displays", "<", "-session ", "-style "})
        EXPECT_FALSE(help.contains(QLatin1String(english))) << english;
    // Every option's description starts in one column.
    const QStringList lines = help.split(QLatin1Char('\n'));
    for (const char *option : {"--help", "--version"}) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString &l) { return l.contains(QLatin1String(option)); });
        ASSERT_NE(line, lines.end()) << option;
        ASSERT_GT(line->size(), 21) << line->toStdString();
        EXPECT_EQ(line->at(19), QLatin1Char(' ')) << line->toStdString();
        EXPECT_NE(line->at(20), QLatin1Char(' ')) << line->toStdString();
    }
    for (const QString &line : lines)
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_FALSE(help.endsWith(QStringLiteral("\n\n")));
}

TEST(CommandLine, HelpInEnglishTellsTheSameInTheSameLayout)
{
    const QString hungarian = parse({"--help"}).out;
    const test::EnglishTexts english;
    ASSERT_TRUE(english.installed());
    const QString help = parse({"--help"}).out;
    const char *const told[] = {
        "Usage: vintaro2011 [OPTIONS]\n\nVintaro: roulette statistics per gaming room, for a single-zero wheel.\n",
        "\nOptions:\n  -h, --help        This help.\n  -v, --version     The program's version.\n",
        "  --data-dir DIR    The folder of the spin lists (rszamok*.txt, terem.txt); a\n",
        "  --analyse FILE    The bias test and the bet table of the spins in FILE, on\n",
        "\nFiles:\n", "/usr/share/vintaro/", "$XDG_DATA_HOME/vintaro/ (by default ~/.local/share/vintaro/)",
        "\nEnvironment:\n  XDG_DATA_HOME  the user's data folder",
        "\nExit codes:\n  0  ran to the end (--help and --version too);\n",
    };
    for (const char *text : told)
        EXPECT_TRUE(help.contains(QString::fromUtf8(text))) << text << "\n" << help.toStdString();
    // The command line's own parts are English through and through (the
    // options of --simulate are the simulation's).
    const qsizetype simulation = help.indexOf(QLatin1String("  --simulate"));
    const qsizetype files = help.indexOf(QLatin1String("\nFiles:"));
    ASSERT_GT(simulation, 0);
    ASSERT_GT(files, simulation);
    EXPECT_FALSE(test::hasHungarianLetter(help.left(simulation))) << help.left(simulation).toStdString();
    EXPECT_FALSE(test::hasHungarianLetter(help.mid(files))) << help.mid(files).toStdString();
    EXPECT_FALSE(help.contains(QLatin1String("MAPPA")) || help.contains(QLatin1String("Kapcsol")));
    for (const QString &line : help.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("a ledger that cannot be read.\n")));
    EXPECT_TRUE(help.endsWith(QStringLiteral("/issues\n"))); // the project's address closes it
    EXPECT_NE(help, hungarian);
}

} // namespace
} // namespace vintaro
