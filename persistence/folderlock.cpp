#include "persistence/folderlock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QSysInfo>
#include <QThread>
#include <QElapsedTimer>

#include <cerrno>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/locations.h"

namespace vintaro {

namespace {

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// What stands where the lock goes and is no lock file (a link, dangling or
// not, a folder, a FIFO) goes away: removed, or a folder with something in
// it moved aside.
bool clearAway(const QString &path)
{
    const QByteArray name = encoded(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISDIR(st.st_mode))
        return ::rmdir(name.constData()) == 0 || std::rename(name.constData(), (name + ".aside").constData()) == 0;
    return ::unlink(name.constData()) == 0;
}

// What a lock file names: its process and machine ("pid", "program",
// "machine" on three lines); nothing when the first is no process number.
struct Holder
{
    qint64 pid = 0;
    QString machine;
};
Holder namedHolder(int fd)
{
    char buffer[512];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return {};
    const QList<QByteArray> lines = QByteArray(buffer, qsizetype(n)).split('\n');
    bool number = false;
    const qint64 pid = lines.size() >= 3 ? lines[0].toLongLong(&number) : 0;
    if (!number || pid <= 0)
        return {};
    return {pid, QString::fromUtf8(lines[2]).trimmed()};
}

// Where the file system keeps no locks (some network shares), the file's
// own words decide: another process of this machine that still runs.
bool runsHere(const Holder &holder)
{
    return holder.machine == QSysInfo::machineHostName() && holder.pid != ::getpid() &&
           (::kill(pid_t(holder.pid), 0) == 0 || errno == EPERM);
}

} // namespace

FolderLock::FolderLock(const QString &folder) : m_path(folder + QStringLiteral("/.vintaro.lock")) {}

FolderLock::~FolderLock() { release(); }

void FolderLock::release()
{
    if (m_fd >= 0)
        ::close(m_fd); // the system lets go with the last descriptor
    m_fd = -1;
}

bool FolderLock::writeOwn()
{
    const QByteArray own = QByteArray::number(qint64(::getpid())) + '\n' +
                           QCoreApplication::applicationName().toUtf8() + '\n' +
                           QSysInfo::machineHostName().toUtf8() + '\n';
    // Readable by every user, so that another user's program sees it held
    // and never takes it for a stray file.
    ::fchmod(m_fd, 0644);
    return ::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, own.constData(), size_t(own.size()), 0) == own.size();
}

FolderLock::Result FolderLock::tryOnce()
{
    release();
    m_otherMachine.clear();
    const QByteArray name = encoded(m_path);
    const QString folder = m_path.left(m_path.lastIndexOf(QLatin1Char('/')));
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        // A lock file this user may only read is held just as well.
        if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
            fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st;
        if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(fd);
            fd = -1;
            errno = ELOOP; // not a file: moved away below
        }
        if (fd < 0) {
            const int why = errno;
            if (why == ENOENT || why == EROFS)
                return Result::NotWritable;
            // A link, a folder or a file nobody here may open stands in the
            // way: it is no live program's lock.
            if (clearAway(m_path))
                continue;
            return folderWritable(folder) ? Result::Blocked : Result::NotWritable;
        }
        const Holder holder = namedHolder(fd);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || runsHere(holder))) {
            ::close(fd);
            return Result::InUse;
        }
        m_fd = fd;
        if (!holder.machine.isEmpty() && holder.machine != QSysInfo::machineHostName()) {
            m_otherMachine = holder.machine;
            return Result::OtherMachine;
        }
        writeOwn(); // a lock file that cannot be written still holds the folder
        return Result::Locked;
    }
    return Result::Blocked;
}

FolderLock::Result FolderLock::acquire(int waitMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const Result result = tryOnce();
        if (result != Result::InUse || waited.elapsed() >= waitMs)
            return result;
        QThread::msleep(50);
    }
}

bool FolderLock::takeOver()
{
    if (m_fd < 0)
        return false;
    m_otherMachine.clear();
    writeOwn();
    return true;
}

} // namespace vintaro
