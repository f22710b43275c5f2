#include "persistence/readguard.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/textmark.h"
#include "persistence/systemerror.h"

namespace vintaro {

namespace {

// Empty when a file of this kind may be read.
std::string refusal(mode_t mode, InputKind kind, bool standardInput, int fd)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QT_TRANSLATE_NOOP("vintaro::InputFile", "ez egy mappa, nem fájl");
    if (kind == InputKind::FileOrStream) {
        if (S_ISFIFO(mode) || S_ISSOCK(mode))
            return {};
        // Typed at the keyboard: read until the end of input (Ctrl+D).
        if (standardInput && S_ISCHR(mode) && ::isatty(fd))
            return {};
        return S_ISCHR(mode) || S_ISBLK(mode)
                   ? QT_TRANSLATE_NOOP("vintaro::InputFile",
                                       "ez egy eszköz, nem fájl; csak fájl vagy csővezeték olvasható")
                   : QT_TRANSLATE_NOOP("vintaro::InputFile", "ez nem közönséges fájl");
    }
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return QT_TRANSLATE_NOOP("vintaro::InputFile",
                                 "ez csővezeték, nem közönséges fájl; itt csak fájl elemezhető");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QT_TRANSLATE_NOOP("vintaro::InputFile", "ez egy eszköz, nem közönséges fájl");
    return QT_TRANSLATE_NOOP("vintaro::InputFile", "ez nem közönséges fájl");
}

} // namespace

void InputFile::refuse(ReadStatus status, std::string reason)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_status = status;
    m_reason = std::move(reason);
}

InputFile::InputFile(const std::string &path, InputKind kind) { open(path, kind); }

void InputFile::open(const std::string &path, InputKind kind)
{
    struct stat info {};
    const bool standardInput = kind == InputKind::FileOrStream && path == "-";
    if (standardInput) {
        m_fd = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
        if (m_fd < 0)
            return refuse(ReadStatus::Unreadable, QT_TRANSLATE_NOOP("vintaro::InputFile", "a szabványos bemenet zárva van"));
    } else {
        // Looked at before it is opened: opening a device can itself do
        // something, and a FIFO opened without O_NONBLOCK waits for a writer.
        if (::stat(path.c_str(), &info) != 0)
            return refuse(errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable, systemErrorText(errno));
        if (std::string why = refusal(info.st_mode, kind, false, -1); !why.empty())
            return refuse(ReadStatus::Unreadable, std::move(why));
        // A FIFO the caller reads as a stream: wait for its writer, as a
        // Unix tool does.
        const int flags = O_RDONLY | O_CLOEXEC | (S_ISFIFO(info.st_mode) ? 0 : O_NONBLOCK);
        do
            m_fd = ::open(path.c_str(), flags);
        while (m_fd < 0 && errno == EINTR);
        if (m_fd < 0)
            return refuse(errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable, systemErrorText(errno));
    }
    // What was opened is what counts (the name may have changed meanwhile).
    if (::fstat(m_fd, &info) != 0)
        return refuse(ReadStatus::Unreadable, systemErrorText(errno));
    if (std::string why = refusal(info.st_mode, kind, standardInput, m_fd); !why.empty())
        return refuse(ReadStatus::Unreadable, std::move(why));
    if (S_ISREG(info.st_mode)) {
        m_size = static_cast<std::uint64_t>(info.st_size);
        // Standard input may stand anywhere in its file: offsets count from there.
        const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
        m_regular = at >= 0;
        m_start = at >= 0 ? std::uint64_t(at) : 0;
    }
}

InputFile::~InputFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

ssize_t InputFile::readAt(char *buffer, std::size_t size, std::uint64_t offset)
{
    if (m_fd < 0 || !m_regular)
        return -1;
    for (;;) {
        const ssize_t n = ::pread(m_fd, buffer, size, off_t(m_start + offset));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

ssize_t InputFile::read(char *buffer, std::size_t size)
{
    if (m_fd < 0)
        return -1;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, size);
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) { // a stream handed over non-blocking
            pollfd wait{m_fd, POLLIN, 0};
            if (::poll(&wait, 1, -1) >= 0 || errno == EINTR)
                continue;
        }
        m_reason = systemErrorText(errno);
        return -1;
    }
}

} // namespace vintaro
