#pragma once
// One program per lists folder: two programs saving to the same room would
// overwrite each other's spins. The lock is ".vintaro.lock" in the folder; a
// lock left by a program that no longer runs is taken over.
#include <QLockFile>
#include <QString>

namespace vintaro {

class FolderLock
{
public:
    enum class Result {
        Locked,      // this program has the folder
        InUse,       // another running program has it
        NotWritable, // no lock can be made: neither can anything be saved there
    };

    explicit FolderLock(const QString &folder);

    // Tries for up to `waitMs` milliseconds (0: once).
    Result acquire(int waitMs);
    // Lets go at once (the lock also goes with the object).
    void release() { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

// A restart's new program waits this long for the old one to let go.
inline constexpr int kRestartLockWaitMs = 10000;
// The environment variable that tells the new program it is a restart.
inline constexpr char kRestartVariable[] = "VINTARO_RESTART";

} // namespace vintaro
