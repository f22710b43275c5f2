// The command line: what runs, what ends and with which exit code.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/commandline.h"

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
        {{"--help"}, 0, "--data-dir <DIR>", ""},
        {{"-h"}, 0, "Usage: vintaro2011", ""},
        {{"--version"}, 0, "vintaro 1.0", ""},
        {{"--bogus"}, 2, "", "Ismeretlen kapcsol"},
        {{"--data-dir"}, 2, "", "--data-dir"},
        {{"--data-dir="}, 2, "", "--data-dir"},
        {{"--analyse="}, 2, "", "--analyse"}, // not the window, as if nothing was asked
        {{"stray"}, 2, "", "stray"},
    };
    for (const Case &c : cases) {
        const CommandLine line = parse(c.args);
        const std::string what = *c.args.begin();
        EXPECT_EQ(line.action, CommandLine::Action::Exit) << what;
        EXPECT_EQ(line.exitCode, c.exitCode) << what;
        EXPECT_TRUE(line.out.contains(QLatin1String(c.out))) << what << ": " << line.out.toStdString();
        EXPECT_TRUE(line.error.contains(QLatin1String(c.error))) << what << ": " << line.error.toStdString();
        EXPECT_EQ(line.out.isEmpty(), c.exitCode != 0) << what;
    }
}

} // namespace
} // namespace vintaro
