// The room operations: whole or not at all, through a crash at any moment;
// a journal left behind is finished at start-up; narrowing that brings back
// exactly the room's spins; one program per lists folder.
//
// VINTARO_CRASH_KILLS (default 200) says how many times the crash test
// kills an operation; scripts/soak.sh runs a long count.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <signal.h>
#include <string>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "persistence/folderlock.h"
#include "persistence/ledgerfile.h"
#include "persistence/locations.h"
#include "persistence/roomjournal.h"
#include "persistence/roomoperations.h"
#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "tests/support/filefaults.h"
#include "tests/support/files.h"
#include "tests/support/readonlyfolder.h"
#include "tests/support/roomfiles.h"

namespace vintaro {
namespace {

using test::bytesOf;
using test::putBytes;

using test::restoreSnapshot;
using test::savedList;
using test::series;
using test::snapshot;

// The lock holder started as a child program, its standard output on a pipe.
struct Child
{
    pid_t pid = -1;
    FILE *out = nullptr;

    explicit Child(const std::vector<std::string> &arguments)
    {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
            std::vector<char *> argv;
            argv.push_back(const_cast<char *>(VINTARO_LOCK_HOLDER));
            for (const std::string &a : arguments)
                argv.push_back(const_cast<char *>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(VINTARO_LOCK_HOLDER, argv.data());
            ::_exit(127);
        }
        ::close(pipeEnds[1]);
        out = ::fdopen(pipeEnds[0], "r");
    }
    ~Child()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (out)
            std::fclose(out);
    }
    std::string line()
    {
        char buffer[64] = {};
        return out && std::fgets(buffer, sizeof buffer, out) ? std::string(buffer) : std::string();
    }
    int wait()
    {
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
        return status;
    }
};

class RoomOperations : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.path(); }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QByteArray bytes(const char *name) const { return bytesOf(path(name)); }
    void put(const char *name, const QByteArray &content) const { ASSERT_TRUE(putBytes(path(name), content)); }
    QTemporaryDir m_dir;
};

TEST_F(RoomOperations, AJournalLeftBehindIsFinishedAndNewContentsWithoutOneAreDropped)
{
    // Killed after the journal: room 3's list waits beside the working list,
    // the room number file was already replaced.
    put("rszamok.txt", " 5\r\n");
    put("terem.txt", "3\r\n");
    put(".rszamok.txt.vintaro-new", " 1\r\n 2\r\n");
    put(".vintaro-journal", "vintaro room operation 1\noperation restore 3\n"
                            "replace rszamok.txt\nwith .rszamok.txt.vintaro-new\n"
                            "replace terem.txt\nwith .terem.txt.vintaro-new\nend\n");
    Recovery recovery = recoverRoomFiles(folder());
    EXPECT_EQ(recovery.kind, Recovery::Kind::Finished);
    EXPECT_EQ(recovery.operation, QStringLiteral("restore 3"));
    EXPECT_EQ(bytes("rszamok.txt"), QByteArray(" 1\r\n 2\r\n"));
    EXPECT_EQ(bytes("terem.txt"), QByteArray("3\r\n"));
    EXPECT_EQ(snapshot(folder()).size(), 2u); // no journal, nothing waiting

    // Killed before the journal: the files were never touched.
    put(".terem.txt.vintaro-new", "7\r\n");
    recovery = recoverRoomFiles(folder());
    EXPECT_EQ(recovery.kind, Recovery::Kind::Dropped);
    EXPECT_EQ(bytes("terem.txt"), QByteArray("3\r\n"));
    EXPECT_EQ(snapshot(folder()).size(), 2u);
    EXPECT_EQ(recoverRoomFiles(folder()).kind, Recovery::Kind::Nothing);

    // A replacement that fails at start-up: the journal stays with the new
    // contents, no operation goes on over it (a save would finish it behind
    // the player's back), and a later start finishes it.
    put(".rszamok.txt.vintaro-new", " 7\r\n");
    put(".terem.txt.vintaro-new", "4\r\n");
    const QByteArray waiting = "vintaro room operation 2\noperation restore 4\n"
                               "replace rszamok.txt\nwith .rszamok.txt.vintaro-new\n"
                               "replace terem.txt\nwith .terem.txt.vintaro-new\nend\n";
    put(".vintaro-journal", waiting);
    ASSERT_TRUE(QFile::remove(path("rszamok.txt")));
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("rszamok.txt")));
    recovery = recoverRoomFiles(folder());
    EXPECT_EQ(recovery.kind, Recovery::Kind::Failed);
    EXPECT_EQ(recovery.failedPath, path("rszamok.txt"));
    EXPECT_EQ(bytes(".vintaro-journal"), waiting);
    const std::vector<std::int16_t> nine{9};
    const auto refused = saveRoomFiles(folder(), QStringLiteral("3"), nine, SavePlan{});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind, FileFault::Kind::JournalPending);
    EXPECT_EQ(bytes("terem.txt"), QByteArray("3\r\n"));
    EXPECT_EQ(bytes("rszamok3.txt"), QByteArray("<missing>"));
    ASSERT_TRUE(QDir(folder()).rmdir(QStringLiteral("rszamok.txt")));
    EXPECT_EQ(recoverRoomFiles(folder()).kind, Recovery::Kind::Finished);
    EXPECT_EQ(bytes("rszamok.txt"), QByteArray(" 7\r\n"));
    EXPECT_EQ(bytes("terem.txt"), QByteArray("4\r\n"));
    EXPECT_EQ(snapshot(folder()).size(), 2u);
    put("rszamok.txt", " 1\r\n 2\r\n");
    put("terem.txt", "3\r\n");

    // A journal that is not whole, or that would put another file in place
    // of one, is never acted on, and the next operation refuses to go on
    // over it.
    put(".rszamok.txt.vintaro-new", "9\r\n");
    // Nor one that names a file outside its list or its folder, or brings a
    // file in through a link: the file outside keeps its content.
    const QTemporaryDir outside;
    const QString victim = outside.filePath(QStringLiteral("victim.txt"));
    ASSERT_TRUE(putBytes(victim, "mine\r\n"));
    ASSERT_TRUE(putBytes(outside.filePath(QStringLiteral(".victim.txt.vintaro-new")), "x\r\n"));
    const QByteArray header = "vintaro room operation 2\noperation restore 3\n";
    const auto replace = [](const QByteArray &name, const QByteArray &with) {
        return "replace " + name + "\nwith " + with + "\nend\n";
    };
    const QByteArray away = QFile::encodeName(outside.path());
    const std::vector<std::pair<const char *, QByteArray>> crafted = {
        {"not whole", header + "replace rszamok.txt\nwith .rszamok.txt.vintaro-new\n"},
        {"another file's content", header + replace("rszamok.txt", "rszamok3.txt")},
        {"absolute path", header + replace(away + "/victim.txt", away + "/.victim.txt.vintaro-new")},
        {"parent folder", header + replace("../" + QFileInfo(outside.path()).fileName().toUtf8() + "/victim.txt",
                                           ".victim.txt.vintaro-new")},
        {"not a room file", header + replace("vintaro.ini", ".vintaro.ini.vintaro-new")},
        {"a room text with a slash", header + replace("rszamok/x.txt", ".rszamok/x.txt.vintaro-new")},
        {"one file twice", header + "replace terem.txt\nwith .terem.txt.vintaro-new\n" +
                               replace("terem.txt", ".terem.txt.vintaro-new")},
        {"new content through a link", header + replace("rszamok.txt", ".rszamok.txt.vintaro-new")},
        {"unknown version", "vintaro room operation 3\noperation restore 3\n" +
                                replace("rszamok.txt", ".rszamok.txt.vintaro-new")},
    };
    for (const auto &[why, journal] : crafted) {
        SCOPED_TRACE(why);
        QFile::remove(path(".rszamok.txt.vintaro-new"));
        if (std::string(why) == "new content through a link")
            ASSERT_TRUE(QFile::link(victim, path(".rszamok.txt.vintaro-new")));
        else
            put(".rszamok.txt.vintaro-new", "9\r\n");
        put(".vintaro-journal", journal);
        EXPECT_EQ(parseJournal(folder(), journal).has_value(), std::string(why) == "new content through a link");
        const Recovery refused = recoverRoomFiles(folder());
        EXPECT_EQ(refused.kind, Recovery::Kind::Damaged);
        EXPECT_EQ(refused.failedPath, journalFile(folder()));
        EXPECT_EQ(bytes("rszamok.txt"), QByteArray(" 1\r\n 2\r\n"));
        EXPECT_EQ(bytesOf(victim), QByteArray("mine\r\n"));
    }
    const auto fault = restoreRoomFiles(folder(), QStringLiteral("4"));
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FileFault::Kind::JournalDamaged);
    EXPECT_EQ(fault->path, journalFile(folder()));
    EXPECT_EQ(bytes("terem.txt"), QByteArray("3\r\n"));
    // Set aside, it lets the files change again.
    EXPECT_TRUE(setAsideDamagedJournal(folder()));
    EXPECT_TRUE(QFileInfo::exists(path(".vintaro-journal.damaged")));
    EXPECT_FALSE(restoreRoomFiles(folder(), QStringLiteral("4")));
    EXPECT_EQ(bytes("terem.txt"), QByteArray("4\r\n"));
}

TEST_F(RoomOperations, AFaultInAnyFileChangesNoFile)
{
    put("rszamok3.txt", " 1\r\n 2\r\n");
    put("rszamok.txt", " 5\r\n");
    put("terem.txt", "5\r\n");
    const auto before = snapshot(folder());
    // The room number file cannot be replaced: the working list, staged
    // first, stays as it was.
    ::chmod(QFile::encodeName(folder()).constData(), 0777);
    for (const char *name : {"rszamok3.txt", "rszamok.txt"})
        ::chmod(QFile::encodeName(path(name)).constData(), 0666);
    ::chmod(QFile::encodeName(path("terem.txt")).constData(), 0444);
    {
        const test::AsNobody nobody;
        for (const auto &operation : std::vector<std::function<std::optional<FileFault>()>>{
                 [&] { return restoreRoomFiles(folder(), QStringLiteral("3")); },
                 [&] { return deleteRoomFiles(folder(), QStringLiteral("3")); },
                 [&] { return narrowRoomFiles(folder(), QStringLiteral("3"), 2, 1); }}) {
            const auto fault = operation();
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->path, path("terem.txt"));
            EXPECT_EQ(snapshot(folder()), before);
        }
        const std::vector<std::int16_t> history{9};
        const auto saved = saveRoomFiles(folder(), QStringLiteral("3"), history, SavePlan{});
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->path, path("terem.txt"));
        EXPECT_EQ(snapshot(folder()), before);
    }

    // A room file that is a link is neither written through nor replaced:
    // the link, its target and the folder outside stay as they were.
    ::chmod(QFile::encodeName(path("terem.txt")).constData(), 0644);
    const QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("terem.txt"));
    ASSERT_TRUE(putBytes(target, "5\r\n"));
    for (const char *linked : {"terem.txt", "rszamok.txt"}) {
        SCOPED_TRACE(linked);
        restoreSnapshot(folder(), before);
        ASSERT_TRUE(QFile::remove(path(linked)));
        ASSERT_TRUE(QFile::link(target, path(linked)));
        for (const test::RoomOperation &operation : test::roomOperations({9})) {
            SCOPED_TRACE(operation.name);
            const auto fault = operation.run(folder());
            // A save leaves the working list be, an import the working list and the room number file.
            if ((std::string(linked) == "rszamok.txt" && operation.name == std::string("Mentés")) ||
                std::string(operation.name).starts_with("Előzmény"))
                continue;
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->kind, FileFault::Kind::Link);
            EXPECT_EQ(fault->path, path(linked));
            EXPECT_TRUE(QFileInfo(path(linked)).isSymLink());
            EXPECT_EQ(bytesOf(target), QByteArray("5\r\n"));
            EXPECT_EQ(QDir(outside.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                      QStringList{QStringLiteral("terem.txt")});
        }
    }
}

// Start reads from the narrowed working list exactly the spins it reads from
// the same fields of the room's list.
TEST_F(RoomOperations, NarrowingBringsBackExactlyTheRoomsSpins)
{
    const QByteArray junk = QByteArray(4200, 'x') + ",7,8,9,10";
    struct Case
    {
        const char *name;
        QByteArray room;
        double n;
        QByteArray working;
    };
    const std::vector<Case> cases = {
        {"quoted field with a comma", " 3\r\n\"5,17\"\r\n", 1, "5\r\n"},
        {"junk line longer than a line may be", " 3\r\n" + junk + "\r\n", 1, ""},
        {"byte-order mark inside the list", " 3\r\n\xEF\xBB\xBF" "7\r\n12\r\n", 2, "12\r\n"},
        {"plain spins as read", " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n", 3, "8\r\n9\r\n10\r\n"},
        {"odd texts that read back alike", "05\r\n17.4\r\n\"  6\"\r\n", 3, "05\r\n17.4\r\n  6\r\n"},
        {"out of range and empty fields", "40\r\n\r\n3\r\n", 3, "3\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        put("rszamok2.txt", c.room);
        const qint64 count = [&] {
            qint64 fields = 0;
            forEachField(path("rszamok2.txt"), [&](std::string_view, int, bool) { return ++fields > 0; });
            return fields;
        }();
        ASSERT_FALSE(narrowRoomFiles(folder(), QStringLiteral("2"), count, c.n));
        EXPECT_EQ(bytes("rszamok.txt"), c.working);
        EXPECT_EQ(bytes("terem.txt"), QByteArray("2\r\n"));
    }
}

// One operation of the crash test, as the window runs it.
struct CrashCase
{
    const char *name;
    std::function<bool(const QString &folder)> run;
};

// Runs the operation in a child process and kills it after `delay`; the
// child's files are left as the kill found them. `struck`: the kill came
// before the operation ended.
void killMidway(const CrashCase &c, const QString &folder, std::chrono::microseconds delay, bool &struck)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(ready[0]);
        const bool ok = ::write(ready[1], "g", 1) == 1 && c.run(folder);
        ::_exit(ok ? 0 : 1);
    }
    ::close(ready[1]);
    char go = 0;
    ASSERT_EQ(::read(ready[0], &go, 1), 1);
    ::close(ready[0]);
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    // A child that finished before the kill must have succeeded.
    ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
    struck = WIFSIGNALED(status);
}

TEST_F(RoomOperations, AKillAtAnyMomentLeavesOneRoomAndLosesNoSpin)
{
    const char *count = std::getenv("VINTARO_CRASH_KILLS");
    const long kills = std::max(5L, count ? std::strtol(count, nullptr, 10) : 200L);
    // A kill keeps whatever the process wrote, in memory or on disk: the
    // files may as well lie in memory, where no fsync sets the pace.
    QTemporaryDir memory(QStringLiteral("/dev/shm/vintaro-crash-XXXXXX"));
    const QString where = memory.isValid() ? memory.path() : folder();
    ASSERT_TRUE(test::putRoomsFiveAndThree(where));
    // Room 5 has an open session with settled bets and one waiting; room 3 an
    // ended session. No room operation may lose or split either.
    Ledger open;
    open.startSession("2026-12-07 20:00", "5", "Asztal 4", 2000);
    for (int spin = 1; spin <= 300; ++spin) {
        open.record({BetKind::Outside, spin % 14, {}}, 10);
        open.record({BetKind::Sector, spin % 4, {}}, 2);
        open.settle(spin, spin % 37);
    }
    open.record({BetKind::Number, 17, {}}, 5);
    Ledger ended;
    ended.startSession("2026-12-06 19:00", "3", "", 500);
    ended.record({BetKind::Number, 0, {}}, 5);
    ended.settle(1, 0);
    ended.endSession("2026-12-06 23:00", 675, "nulla");
    ASSERT_TRUE(writeLedger(ledgerFile(where, QStringLiteral("5")), open));
    ASSERT_TRUE(writeLedger(ledgerFile(where, QStringLiteral("3")), ended));
    const auto before = snapshot(where);
    std::vector<CrashCase> cases;
    for (const test::RoomOperation &operation : test::roomOperations(test::historyOf(series(4200, 7, 3))))
        cases.push_back({operation.name, [run = operation.run](const QString &f) { return !run(f); }});
    std::mt19937 random(20);
    long killed = 0, during = 0, strays = 0, interrupted = 0, finishedAtStart = 0, oldKept = 0, newWhole = 0, mixed = 0, lost = 0;
    long lostLedgers = 0;
    for (const CrashCase &c : cases) {
        SCOPED_TRACE(c.name);
        // The operation run whole gives the files after it, and its length.
        restoreSnapshot(where, before);
        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(c.run(where));
        const auto length = std::chrono::steady_clock::now() - started;
        const auto after = snapshot(where);
        ASSERT_NE(after, before);
        const long micros = std::max<long>(100, long(std::chrono::duration_cast<std::chrono::microseconds>(length).count()));
        for (long k = 0; k < kills / long(cases.size()); ++k) {
            restoreSnapshot(where, before);
            // Half the kills anywhere, half near the end, where the new
            // contents replace the old ones.
            const long earliest = k % 2 == 0 ? 0 : micros * 3 / 4;
            bool struck = false;
            killMidway(c, where,
                       std::chrono::microseconds(std::uniform_int_distribution<long>(earliest, micros)(random)),
                       struck);
            ++killed;
            during += struck ? 1 : 0;
            const auto found = snapshot(where);
            interrupted += found != before && found != after ? 1 : 0;
            finishedAtStart += found.count(QStringLiteral(".vintaro-journal"));
            // The next start.
            const Recovery::Kind recovered = recoverRoomFiles(where).kind;
            ASSERT_NE(recovered, Recovery::Kind::Failed);
            ASSERT_NE(recovered, Recovery::Kind::Damaged);
            int others = 0;
            const auto now = snapshot(where, &others);
            strays += others;
            if (now == before)
                ++oldKept;
            else if (now == after)
                ++newWhole;
            else
                ++mixed;
            // Every room list holds its old or its new spins, whole.
            for (const auto &[name, content] : now)
                if (name.startsWith(QStringLiteral("rszamok")) && name != QStringLiteral("rszamok.txt") &&
                    (!before.count(name) || content != before.at(name)) &&
                    (!after.count(name) || content != after.at(name)))
                    ++lost;
            // The ledgers are never touched: every line of them stays.
            for (const char *room : {"5", "3"}) {
                const QString name = QFileInfo(ledgerFile(where, QString::fromLatin1(room))).fileName();
                if (!now.count(name) || now.at(name) != before.at(name))
                    ++lostLedgers;
            }
        }
    }
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(lostLedgers, 0);
    const LedgerRead five = readLedger(ledgerFile(where, QStringLiteral("5")));
    ASSERT_EQ(five.damagedLine, 0);
    ASSERT_NE(five.ledger.openSession(), nullptr);
    EXPECT_EQ(five.ledger.bets().size(), 601u);
    EXPECT_EQ(five.ledger.waiting().size(), 1u);
    std::printf("room operation crashes: %ld kills over %zu operations, %ld while it ran, %ld left files half "
                "changed, %ld journals finished at start; then %ld kept the old files, %ld the new, %ld mixed rooms, "
                "%ld spins lost, %ld ledgers changed, %ld temporary files left\n",
                killed, cases.size(), during, interrupted, finishedAtStart, oldKept, newWhole, mixed, lost, lostLedgers,
                strays);
}

TEST_F(RoomOperations, OneProgramPerListsFolder)
{
    const std::string dir = QFile::encodeName(folder()).toStdString();
    {
        Child first({dir, "0"});
        ASSERT_EQ(first.line(), "locked\n");
        FolderLock second(folder());
        EXPECT_EQ(second.acquire(0), FolderLock::Result::InUse);
        Child third({dir, "0"});
        EXPECT_EQ(third.line(), "in-use\n");
        EXPECT_NE(third.wait(), 0);
        // Killed: its lock is left behind, and taken over.
        ::kill(first.pid, SIGKILL);
        first.wait();
        EXPECT_TRUE(QFile::exists(path(".vintaro.lock")));
        EXPECT_EQ(second.acquire(0), FolderLock::Result::Locked);
        second.release();
    }
    // A restart waits for the program it replaces to let go.
    Child old({dir, "400"});
    ASSERT_EQ(old.line(), "locked\n");
    FolderLock restarted(folder());
    EXPECT_EQ(restarted.acquire(0), FolderLock::Result::InUse);
    EXPECT_EQ(restarted.acquire(kRestartLockWaitMs), FolderLock::Result::Locked);
    EXPECT_EQ(old.wait(), 0);
}

// Whatever a crash or another machine left where the lock goes: the lock is
// taken over (the folder's files are then this program's alone), or the
// player is asked for another machine's, or the folder is used read-only
// where it cannot be written. Never "in use" when no program holds it.
TEST_F(RoomOperations, EveryLockLeftBehindIsTakenOverOrSaysWhy)
{
    const QString lock = path(".vintaro.lock");
    const QByteArray lockName = QFile::encodeName(lock);
    const QTemporaryDir outside;
    const QString away = outside.filePath(QStringLiteral("elsewhere.txt"));
    const passwd *nobodyEntry = ::getpwnam("nobody");
    const uid_t nobody = nobodyEntry ? nobodyEntry->pw_uid : 65534;
    struct Case
    {
        const char *name;
        std::function<void()> leave; // what the crash left
        bool asNobody = false;
        bool readOnlyFolder = false;
        FolderLock::Result expected = FolderLock::Result::Locked;
    };
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const std::vector<Case> cases = {
        {"a killed program's lock", [&] { putBytes(lock, "999999\nvintaro\n" + here + "\n"); }},
        {"an empty lock", [&] { putBytes(lock, ""); }},
        {"a lock of garbage", [&] { putBytes(lock, "\x01\x02 nonsense\nmore\nand more\n"); }},
        {"another user's unreadable lock",
         [&] {
             putBytes(lock, "1\nvintaro\n" + here + "\n");
             ::chmod(lockName.constData(), 0);
         },
         true},
        {"an empty folder in its place", [&] { QDir().mkdir(lock); }},
        {"a folder with files in its place",
         [&] {
             QDir().mkdir(lock);
             putBytes(lock + QStringLiteral("/x"), "x");
         }},
        {"a dangling link in its place", [&] { QFile::link(away, lock); }},
        {"a link to a file elsewhere in its place",
         [&] {
             putBytes(away, "mine");
             QFile::link(away, lock);
         }},
        {"a FIFO in its place", [&] { ::mkfifo(lockName.constData(), 0644); }},
        {"a stale lock in a folder that became read-only",
         [&] {
             putBytes(lock, "999999\nvintaro\n" + here + "\n");
             EXPECT_EQ(::chown(lockName.constData(), nobody, nobody), 0);
         },
         true, true},
        {"a read-only stale lock in a read-only folder",
         [&] {
             putBytes(lock, "999999\nvintaro\n" + here + "\n");
             ::chmod(lockName.constData(), 0444);
         },
         true, true},
        {"nothing can be made in a read-only folder", [] {}, true, true, FolderLock::Result::NotWritable},
        {"another machine's lock", [&] { putBytes(lock, "4242\nvintaro\nsomewhere-else\n"); }, false, false,
         FolderLock::Result::OtherMachine},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.asNobody && ::geteuid() != 0)
            continue; // acting as another user needs the superuser
        QDir(lock + QStringLiteral(".aside")).removeRecursively();
        QDir(lock).removeRecursively();
        ::unlink(lockName.constData());
        QFile::remove(away);
        c.leave();
        ::chmod(QFile::encodeName(folder()).constData(), c.readOnlyFolder ? 0555 : 0777);
        {
            std::unique_ptr<test::AsNobody> as = c.asNobody ? std::make_unique<test::AsNobody>() : nullptr;
            FolderLock first(folder());
            ASSERT_EQ(first.acquire(0), c.expected);
            if (c.expected == FolderLock::Result::OtherMachine) {
                EXPECT_EQ(first.otherMachine(), QStringLiteral("somewhere-else"));
                EXPECT_TRUE(first.takeOver());
                EXPECT_TRUE(bytes(".vintaro.lock").contains(here));
            }
            // Held now: a second program finds it in use.
            if (c.expected != FolderLock::Result::NotWritable) {
                FolderLock second(folder());
                EXPECT_EQ(second.acquire(0), FolderLock::Result::InUse);
            }
            EXPECT_EQ(folderWritable(folder()), !c.readOnlyFolder);
        }
        ::chmod(QFile::encodeName(folder()).constData(), 0700);
        EXPECT_FALSE(QFileInfo::exists(away) && bytesOf(away) != "mine");
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files).size(), QFileInfo::exists(away) ? 1 : 0);
    }
}

TEST_F(RoomOperations, AFolderThatCannotBeWrittenCannotBeLockedEither)
{
    const test::ReadOnlyFolder readOnly(folder());
    if (!readOnly.active())
        GTEST_SKIP() << "this file system ignores permissions";
    EXPECT_EQ(FolderLock(folder()).acquire(0), FolderLock::Result::NotWritable);
}

} // namespace
} // namespace vintaro
