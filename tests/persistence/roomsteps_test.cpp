// Every file step of the room operations (and the import), in turn: one step failing
// (EIO, a shared folder with the sticky bit), or the program dying just
// before or just after it. Afterwards the working list and the room number
// file belong to one room, no spin is lost, what the operation reported is
// what the files hold, and no temporary file outlives the next start.
//
// The steps are the renames and links the process makes, counted here; the
// same seam takes unnamed temporary files and locks away, as some file
// systems do.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <fcntl.h>
#include <cstdio>
#include <dlfcn.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "persistence/folderlock.h"
#include "persistence/roomjournal.h"
#include "tests/support/filefaults.h"
#include "tests/support/roomfiles.h"

namespace {

// What the next rename or link does.
struct StepFaults
{
    enum class Mode { Count, Fail, DieBefore, DieAfter };
    Mode mode = Mode::Count;
    int at = -1;   // the step, counted from 0
    int seen = 0;  // steps so far
};
StepFaults g_steps;
// The file system has no unnamed files (FAT, NFS, SMB): every write makes a
// named temporary file first.
bool g_noUnnamedFiles = false;

// The file system keeps no locks (some network shares).
bool g_noLocks = false;

bool refused(int flags)
{
    if (!g_noUnnamedFiles || (flags & O_TMPFILE) != O_TMPFILE)
        return false;
    errno = EOPNOTSUPP;
    return true;
}

template <typename Real> int step(Real real)
{
    const int n = g_steps.seen++;
    const bool here = n == g_steps.at;
    if (here && g_steps.mode == StepFaults::Mode::Fail) {
        errno = EIO;
        return -1;
    }
    if (here && g_steps.mode == StepFaults::Mode::DieBefore)
        ::_exit(3);
    const int result = real();
    if (here && g_steps.mode == StepFaults::Mode::DieAfter)
        ::_exit(3);
    return result;
}

template <typename Fn> Fn realFunction(const char *name) { return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name)); }

} // namespace

// Every rename and link of this process, Qt's included, goes through here.
extern "C" int rename(const char *from, const char *to) noexcept
{
    static const auto real = realFunction<int (*)(const char *, const char *)>("rename");
    return step([&] { return real(from, to); });
}
extern "C" int renameat(int fromDir, const char *from, int toDir, const char *to) noexcept
{
    static const auto real = realFunction<int (*)(int, const char *, int, const char *)>("renameat");
    return step([&] { return real(fromDir, from, toDir, to); });
}
extern "C" int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags) noexcept
{
    static const auto real = realFunction<int (*)(int, const char *, int, const char *, unsigned)>("renameat2");
    return step([&] { return real(fromDir, from, toDir, to, flags); });
}
extern "C" int link(const char *from, const char *to) noexcept
{
    static const auto real = realFunction<int (*)(const char *, const char *)>("link");
    return step([&] { return real(from, to); });
}
extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags) noexcept
{
    static const auto real = realFunction<int (*)(int, const char *, int, const char *, int)>("linkat");
    return step([&] { return real(fromDir, from, toDir, to, flags); });
}

extern "C" int flock(int fd, int operation) noexcept
{
    static const auto real = realFunction<int (*)(int, int)>("flock");
    if (g_noLocks) {
        errno = ENOLCK;
        return -1;
    }
    return real(fd, operation);
}

#define VINTARO_OPEN(name)                                                                                       \
    extern "C" int name(const char *path, int flags, ...)                                                         \
    {                                                                                                              \
        static const auto real = realFunction<int (*)(const char *, int, ...)>(#name);                            \
        va_list rest;                                                                                              \
        va_start(rest, flags);                                                                                     \
        const mode_t mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(rest, mode_t) : 0;     \
        va_end(rest);                                                                                              \
        return refused(flags) ? -1 : real(path, flags, mode);                                                      \
    }
#define VINTARO_OPENAT(name)                                                                                     \
    extern "C" int name(int dir, const char *path, int flags, ...)                                                \
    {                                                                                                              \
        static const auto real = realFunction<int (*)(int, const char *, int, ...)>(#name);                       \
        va_list rest;                                                                                              \
        va_start(rest, flags);                                                                                     \
        const mode_t mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(rest, mode_t) : 0;     \
        va_end(rest);                                                                                              \
        return refused(flags) ? -1 : real(dir, path, flags, mode);                                                 \
    }
VINTARO_OPEN(open)
VINTARO_OPEN(open64)
VINTARO_OPENAT(openat)
VINTARO_OPENAT(openat64)

namespace vintaro {
namespace {

using test::snapshot;

struct Tally
{
    long injected = 0, mixed = 0, lost = 0, untrue = 0, pending = 0, left = 0;
};

// Counts what the folder holds against the files before and after the
// operation: every room list old or new and whole, the whole folder old or
// new, nothing besides them.
void judge(const QString &folder, const std::map<QString, QByteArray> &before,
           const std::map<QString, QByteArray> &after, Tally &tally)
{
    int others = 0;
    const auto now = snapshot(folder, &others);
    tally.left += others;
    if (now != before && now != after)
        ++tally.mixed;
    for (const auto &[name, content] : now)
        if (name.startsWith(QStringLiteral("rszamok")) && name != QStringLiteral("rszamok.txt") &&
            (!before.count(name) || content != before.at(name)) && (!after.count(name) || content != after.at(name)))
            ++tally.lost;
}

class RoomSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(test::putRoomsFiveAndThree(folder()));
        m_before = snapshot(folder());
    }
    QString folder() const { return m_dir.path(); }
    // The steps of the operation run whole, and the files after it.
    int countSteps(const test::RoomOperation &operation, std::map<QString, QByteArray> &after)
    {
        test::restoreSnapshot(folder(), m_before);
        g_steps = {};
        EXPECT_FALSE(operation.run(folder()));
        after = snapshot(folder());
        EXPECT_NE(after, m_before);
        return g_steps.seen;
    }
    QTemporaryDir m_dir;
    std::map<QString, QByteArray> m_before;
    const std::vector<test::RoomOperation> m_operations =
        test::roomOperations(test::historyOf(test::series(4200, 7, 3)));
};

TEST_F(RoomSteps, OneFailedStepLeavesOneRoomAndTheMessageTrue)
{
    Tally tally;
    for (const bool unnamed : {true, false})
    for (const test::RoomOperation &operation : m_operations) {
        SCOPED_TRACE(operation.name);
        g_noUnnamedFiles = !unnamed;
        std::map<QString, QByteArray> after;
        const int steps = countSteps(operation, after);
        for (int k = 0; k < steps; ++k) {
            test::restoreSnapshot(folder(), m_before);
            g_steps = {StepFaults::Mode::Fail, k, 0};
            const std::optional<FileFault> fault = operation.run(folder());
            g_steps = {};
            ++tally.injected;
            // Done means the new files; a fault means the old ones.
            const auto now = snapshot(folder());
            if (fault && fault->kind == FileFault::Kind::JournalPending)
                ++tally.pending;
            else if (now != (fault ? m_before : after))
                ++tally.untrue;
            // The next start finds nothing to finish and changes nothing.
            EXPECT_EQ(recoverRoomFiles(folder()).kind, Recovery::Kind::Nothing);
            EXPECT_EQ(snapshot(folder()), now);
            judge(folder(), m_before, after, tally);
        }
    }
    g_noUnnamedFiles = false;
    std::printf("one failed step: %ld failures injected over %zu operations (with and without unnamed temporary "
                "files); %ld mixed rooms, %ld spins lost, %ld "
                "messages untrue to the files, %ld journals left waiting, %ld temporary files left\n",
                tally.injected, m_operations.size(), tally.mixed, tally.lost, tally.untrue, tally.pending, tally.left);
    EXPECT_GT(tally.injected, 10);
    EXPECT_EQ(tally.mixed, 0);
    EXPECT_EQ(tally.lost, 0);
    EXPECT_EQ(tally.untrue, 0);
    EXPECT_EQ(tally.pending, 0);
    EXPECT_EQ(tally.left, 0);
}

TEST_F(RoomSteps, DyingAtAnyStepLeavesOneRoomAfterTheNextStart)
{
    Tally tally;
    long finishedAtStart = 0, removed = 0;
    for (const bool unnamed : {true, false})
    for (const test::RoomOperation &operation : m_operations) {
        SCOPED_TRACE(operation.name);
        g_noUnnamedFiles = !unnamed;
        std::map<QString, QByteArray> after;
        const int steps = countSteps(operation, after);
        for (int k = 0; k < steps; ++k) {
            for (const auto mode : {StepFaults::Mode::DieBefore, StepFaults::Mode::DieAfter}) {
                test::restoreSnapshot(folder(), m_before);
                const pid_t pid = ::fork();
                ASSERT_GE(pid, 0);
                if (pid == 0) {
                    g_steps = {mode, k, 0};
                    ::_exit(operation.run(folder()) ? 1 : 0);
                }
                int status = 0;
                ::waitpid(pid, &status, 0);
                ASSERT_TRUE(WIFEXITED(status));
                ASSERT_NE(WEXITSTATUS(status), 1);
                ++tally.injected;
                const Recovery recovery = recoverRoomFiles(folder());
                ASSERT_NE(recovery.kind, Recovery::Kind::Failed);
                ASSERT_NE(recovery.kind, Recovery::Kind::Damaged);
                finishedAtStart += recovery.kind == Recovery::Kind::Finished;
                removed += recovery.temporariesRemoved;
                judge(folder(), m_before, after, tally);
            }
        }
    }
    g_noUnnamedFiles = false;
    std::printf("dying at a step: %ld deaths over %zu operations (with and without unnamed temporary files), %ld "
                "journals finished at the next start, %ld temporary files removed there; %ld mixed rooms, %ld spins "
                "lost, %ld temporary files left\n",
                tally.injected, m_operations.size(), finishedAtStart, removed, tally.mixed, tally.lost, tally.left);
    EXPECT_GT(removed, 0);
    EXPECT_GT(finishedAtStart, 0);
    EXPECT_EQ(tally.mixed, 0);
    EXPECT_EQ(tally.lost, 0);
    EXPECT_EQ(tally.left, 0);
}

// A shared folder with the sticky bit, whose room number file belongs to
// another user: the working list can be replaced, the room number file
// cannot. Every operation is rolled back and says so.
TEST_F(RoomSteps, AStickyFolderWithAnotherUsersRoomNumberFileChangesNothing)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can hand files to two users";
    const passwd *nobody = ::getpwnam("nobody");
    const uid_t other = nobody ? nobody->pw_uid : 65534;
    ::chmod(QFile::encodeName(folder()).constData(), 01777);
    const auto handOver = [&] {
        for (const auto &[name, bytes] : m_before) {
            const QByteArray path = QFile::encodeName(folder() + QLatin1Char('/') + name);
            ::chmod(path.constData(), 0666);
            // The player's own lists; the room number file stays root's.
            if (name != QStringLiteral("terem.txt") && ::chown(path.constData(), other, other) != 0)
                FAIL() << "cannot hand " << name.toStdString() << " over";
        }
    };
    Tally tally;
    for (const test::RoomOperation &operation : m_operations) {
        SCOPED_TRACE(operation.name);
        if (std::string_view(operation.name).starts_with("Előzmény"))
            continue; // an import leaves the room number file alone
        test::restoreSnapshot(folder(), m_before);
        handOver();
        std::optional<FileFault> fault;
        {
            const test::AsNobody asNobody;
            fault = operation.run(folder());
        }
        ++tally.injected;
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->kind, FileFault::Kind::Unwritable);
        EXPECT_EQ(fault->path, folder() + QStringLiteral("/terem.txt"));
        tally.untrue += snapshot(folder()) != m_before;
        judge(folder(), m_before, m_before, tally);
    }
    std::printf("sticky folder: %ld operations refused, %ld mixed rooms, %ld messages untrue to the files\n",
                tally.injected, tally.mixed, tally.untrue);
    EXPECT_EQ(tally.mixed, 0);
    EXPECT_EQ(tally.untrue, 0);
    EXPECT_EQ(tally.left, 0);
}

// Where the file system keeps no locks, the lock file's words keep one
// program per folder: a running process of this machine holds it, a gone
// one does not.
TEST_F(RoomSteps, WithoutLocksTheLockFileStillNamesItsHolder)
{
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::pause();
        ::_exit(0);
    }
    ASSERT_TRUE(test::putBytes(folder() + QStringLiteral("/.vintaro.lock"),
                               QByteArray::number(holder) + "\nvintaro\n" + QSysInfo::machineHostName().toUtf8() +
                                   "\n"));
    g_noLocks = true;
    FolderLock lock(folder());
    EXPECT_EQ(lock.acquire(0), FolderLock::Result::InUse);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(lock.acquire(0), FolderLock::Result::Locked);
    FolderLock second(folder());
    EXPECT_EQ(second.acquire(0), FolderLock::Result::Locked); // it names this very process
    g_noLocks = false;
}

} // namespace
} // namespace vintaro
