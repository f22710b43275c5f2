#pragma once
// Write faults a test can cause on purpose: a file-size limit (the same
// failure a full device gives a write), and acting as an ordinary user.
#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

namespace vintaro::test {

// Every write past `bytes` fails with EFBIG while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// The superuser may write any file: while the object lives the process acts
// as the user "nobody", so that permissions count.
class AsNobody
{
public:
    AsNobody()
    {
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            m_switched = ::seteuid(nobody ? nobody->pw_uid : 65534) == 0;
        }
    }
    ~AsNobody()
    {
        if (m_switched && ::seteuid(0) != 0)
            return;
    }
    AsNobody(const AsNobody &) = delete;
    AsNobody &operator=(const AsNobody &) = delete;

private:
    bool m_switched = false;
};

} // namespace vintaro::test
