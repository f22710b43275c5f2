// A second program on a lists folder: takes the folder's lock and holds it.
//   lockholder_child FOLDER MILLISECONDS (0: until killed)
// Writes "locked" when it has the lock, "in-use" when another program has it.
#include <QString>
#include <QThread>

#include <cstdio>
#include <cstdlib>

#include "persistence/folderlock.h"

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    vintaro::FolderLock lock(QString::fromLocal8Bit(argv[1]));
    const bool locked = lock.acquire(0) == vintaro::FolderLock::Result::Locked;
    std::puts(locked ? "locked" : "in-use");
    std::fflush(stdout);
    const long ms = std::atol(argv[2]);
    if (locked)
        QThread::msleep(ms > 0 ? ms : 3600 * 1000);
    return locked ? 0 : 1;
}
