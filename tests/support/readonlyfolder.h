#pragma once
// Makes a folder read-only for as long as the object lives. The superuser
// writes into any folder, so when the tests run as root the process acts as
// the user "nobody" meanwhile.
#include <QFile>
#include <QString>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vintaro::test {

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path.toLocal8Bit())
    {
        ::chmod(m_path.constData(), 0555);
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            m_switched = ::seteuid(nobody ? nobody->pw_uid : 65534) == 0;
        }
        // Some file systems ignore the permissions: then there is nothing to test.
        QFile probe(path + QStringLiteral("/.probe"));
        m_active = !probe.open(QIODevice::WriteOnly);
        if (!m_active)
            probe.remove();
    }
    ~ReadOnlyFolder()
    {
        if (m_switched && ::seteuid(0) != 0)
            return;
        ::chmod(m_path.constData(), 0700);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool active() const { return m_active; }

private:
    QByteArray m_path;
    bool m_switched = false;
    bool m_active = false;
};

} // namespace vintaro::test
