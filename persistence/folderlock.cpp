#include "persistence/folderlock.h"

namespace vintaro {

FolderLock::FolderLock(const QString &folder) : m_lock(folder + QStringLiteral("/.vintaro.lock"))
{
    // Held for the whole run: only a lock whose program is gone is stale,
    // never one that is merely old.
    m_lock.setStaleLockTime(0);
}

FolderLock::Result FolderLock::acquire(int waitMs)
{
    if (m_lock.tryLock(waitMs))
        return Result::Locked;
    return m_lock.error() == QLockFile::LockFailedError ? Result::InUse : Result::NotWritable;
}

} // namespace vintaro
