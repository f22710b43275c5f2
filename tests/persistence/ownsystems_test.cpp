// The systems file: what is saved reads back the same, and a damaged file is
// named with its line and left as it is.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "persistence/ownsystems.h"

namespace vintaro {
namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(OwnSystemsFile, SavesReadsBackAndNamesADamagedFileWithItsLine)
{
    QTemporaryDir dir;
    const QString path = ownSystemsFile(dir.path());
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("rendszerek.ini"));
    // No file yet: no systems, nothing wrong.
    OwnSystemsRead none = loadOwnSystems(path);
    EXPECT_TRUE(none.systems.empty());
    EXPECT_TRUE(none.problem.isEmpty());

    OwnSystem a;
    a.name = "Dupla ötig – ár";
    OwnSystem b;
    b.name = "Paroli [3]";
    b.bet = "harmad2";
    b.stakes = {1, 2, 4};
    b.onWin = WinMove::Back, b.winSteps = 2;
    b.onLoss = LossMove::Skip, b.lossSteps = 3;
    b.afterLast = AfterLast::Stop;
    b.sitOutAfter = 4, b.sitOutSpins = 2;
    b.rules.unit = 0.5, b.rules.bankroll = 120.25, b.rules.tableMin = 0.5, b.rules.tableMax = 64;
    b.rules.target = 30, b.rules.maxSpins = 250;
    ASSERT_TRUE(saveOwnSystems(path, {a, b}));
    const OwnSystemsRead back = loadOwnSystems(path);
    EXPECT_TRUE(back.problem.isEmpty()) << back.problem.toStdString();
    ASSERT_EQ(back.systems.size(), 2u);
    EXPECT_EQ(back.systems[0], a);
    EXPECT_EQ(back.systems[1], b);
    EXPECT_TRUE(bytesOf(path).contains("[Paroli [3]]\nbet=harmad2\nstakes=1,2,4\non-win=back:2\non-loss=skip:3\n"
                                       "after-last=stop\nsit-out=4:2\nunit=0.5\nbankroll=120.25\n"));

    // Damaged files: the line named, nothing read, the file left as it is.
    struct Case
    {
        const char *text;
        int line;
    };
    const std::vector<Case> cases = {
        {"[A]\nbet=piros\nstakes=1,2,x\n", 3},
        {"bet=piros\n", 1},
        {"[A]\nszín=piros\n", 2},
        {"[A\nbet=piros\n", 1},
        {"[A]\nbet=zöld\n", 2},
        {"[A]\non-win=back:0\n", 2},
        {"[A]\nsit-out=3\n", 2},
        {"[A]\nbankroll=-5\n[B]\n", 1},            // a system that cannot be played: its name's line
        {"[A]\n\n[B]\nspins=10\n[A]\nunit=2\n", 5}, // the same name twice
        {"[]\n", 1},
        {"\xEF\xBB\xBF# ok\r\n[A]\r\nbet=piros\r\n\x01\r\n", 4},
        {"[A]\nstakes=1,2\n just text\n", 3},
    };
    for (const Case &c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        const OwnSystemsRead read = loadOwnSystems(path);
        EXPECT_TRUE(read.systems.empty()) << c.text;
        EXPECT_TRUE(read.problem.contains(QDir::toNativeSeparators(path))) << c.text;
        EXPECT_TRUE(read.problem.contains(QStringLiteral("sérült, %1. sor").arg(c.line)))
            << c.text << read.problem.toStdString();
        EXPECT_EQ(bytesOf(path), QByteArray(c.text));
    }
    // CR LF, comments and a byte-order mark are fine; missing keys keep their defaults.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\xEF\xBB\xBF; saját\r\n[Egyenletes]\r\nstakes = 5\r\n# vége\r\n");
    f.close();
    const OwnSystemsRead plain = loadOwnSystems(path);
    ASSERT_EQ(plain.systems.size(), 1u) << plain.problem.toStdString();
    OwnSystem expected;
    expected.name = "Egyenletes";
    expected.stakes = {5};
    EXPECT_EQ(plain.systems[0], expected);

    // A folder where the file should be: unreadable, said so; no save over it.
    QDir(dir.path()).mkdir(QStringLiteral("other"));
    const QString folder = ownSystemsFile(dir.filePath(QStringLiteral("other")));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(loadOwnSystems(folder).problem.isEmpty());
    EXPECT_FALSE(saveOwnSystems(folder, {a}));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
} // namespace vintaro
