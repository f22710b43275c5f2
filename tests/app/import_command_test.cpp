// vintaro2011 --import FILE --room N, run as a user runs it from a shell:
// exit 0 with the spins in the room, or 2 with a message and no file changed.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "persistence/folderlock.h"
#include "tests/support/files.h"
#include "tests/support/process.h"

namespace {

using vintaro::test::bytesOf;
using vintaro::test::Finished;
using vintaro::test::putBytes;
using vintaro::test::run;

TEST(ImportCommand, PutsTheSpinsIntoTheRoomOrExitsWithTwoChangingNothing)
{
    QTemporaryDir dir;
    const QDir lists(dir.filePath(QStringLiteral("listak")));
    ASSERT_TRUE(QDir().mkpath(lists.path()));
    const QString room2 = lists.filePath(QStringLiteral("rszamok2.txt"));
    ASSERT_TRUE(putBytes(room2, " 5\r\n"));
    const QString newestFirst = dir.filePath(QStringLiteral("legujabb.txt"));
    ASSERT_TRUE(putBytes(newestFirst, "3\n2\nx\n1\n"));
    const QString table = dir.filePath(QStringLiteral("tabla.csv"));
    ASSERT_TRUE(putBytes(table, "Nap;Sz\xE1m\r\n1;17\r\n2;0\r\n"));
    const QStringList common = {QStringLiteral("--data-dir"), lists.path()};

    const Finished appended =
        run(common + QStringList{"--import", newestFirst, "--room", "2", "--newest-first"});
    EXPECT_EQ(appended.exitCode, 0) << appended.err.toStdString();
    EXPECT_EQ(bytesOf(room2), QByteArray(" 5\r\n 1\r\n 2\r\n 3\r\n"));
    for (const char *expected : {"Beolvasott pörgetések: 3", "Kihagyott sorok: 1", "nem egész szám: 1 sor (az első a 3. sor)",
                                 "3 pörgetés került a(z) 2. terem mentett listája végére."})
        EXPECT_TRUE(appended.out.contains(QString::fromUtf8(expected))) << expected << "\n" << appended.out.toStdString();

    const Finished replaced = run(common + QStringList{"--import", table, "--room", "2", "--replace", "--column", "szám"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(bytesOf(room2), QByteArray("17\r\n 0\r\n"));
    EXPECT_TRUE(replaced.out.contains(QString::fromUtf8("kódolás: Windows-1250"))) << replaced.out.toStdString();

    // Every wrong command leaves the room as it was.
    struct Wrong
    {
        const char *name;
        QStringList arguments;
        const char *message;
    };
    const std::vector<Wrong> wrongs = {
        {"no room", {"--import", table}, "--room adja meg"},
        {"room 11", {"--import", table, "--room", "11"}, "1 és 10 közötti"},
        {"room without import", {"--room", "2"}, "csak az --import vagy a --ledger mellett"},
        {"missing file", {"--import", dir.filePath("nincs.txt"), "--room", "2"}, "nem található"},
        {"no such column", {"--import", table, "--room", "2", "--column", "Pörgetés"}, "nincs „Pörgetés” nevű oszlop"},
        {"no spins", {"--import", table, "--room", "2", "--column", "3"}, "nincs 0 és 36 közötti szám"},
    };
    for (const Wrong &w : wrongs) {
        SCOPED_TRACE(w.name);
        const Finished f = run(common + w.arguments);
        EXPECT_EQ(f.exitCode, 2);
        EXPECT_TRUE(f.err.contains(QString::fromUtf8(w.message))) << f.err.toStdString();
        EXPECT_EQ(bytesOf(room2), QByteArray("17\r\n 0\r\n"));
    }

    // A running program has the folder: the import waits for it to be closed.
    vintaro::FolderLock running(lists.path());
    ASSERT_EQ(running.acquire(0), vintaro::FolderLock::Result::Locked);
    const Finished busy = run(common + QStringList{"--import", table, "--room", "2", "--column", "2"});
    EXPECT_EQ(busy.exitCode, 2);
    EXPECT_TRUE(busy.err.contains(QString::fromUtf8("futó Vintaro használja"))) << busy.err.toStdString();
    EXPECT_EQ(bytesOf(room2), QByteArray("17\r\n 0\r\n"));
}

} // namespace
