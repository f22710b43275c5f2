#pragma once
// One program per lists folder: two programs saving to the same room would
// overwrite each other's spins. The lock is ".vintaro.lock" in the folder,
// held by the system for as long as the program runs (flock), so a lock left
// behind by a program that no longer runs (killed, crashed, a power cut) is
// taken over whatever it holds: an empty or unreadable file, or a folder or
// a link in its place. The file names the holder's process and machine; a
// lock that names another machine may belong to a program there that the
// system cannot see, so the player decides. Where the file system keeps no
// locks, a lock naming a process of this machine that still runs is in use.
#include <QString>

namespace vintaro {

class FolderLock
{
public:
    enum class Result {
        Locked,       // this program has the folder
        InUse,        // another running program has it
        OtherMachine, // free here, but it names another machine: takeOver() when the player says so
        NotWritable,  // no lock can be made, since nothing can be written there
        Blocked,      // something that cannot be moved away stands where the lock goes
    };

    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Tries for up to `waitMs` milliseconds (0: once).
    Result acquire(int waitMs);
    // After OtherMachine: the folder becomes this program's.
    bool takeOver();
    // Lets go at once (the lock also goes with the object).
    void release();

    QString path() const { return m_path; }
    // OtherMachine: the machine the lock names.
    QString otherMachine() const { return m_otherMachine; }

private:
    Result tryOnce();
    bool writeOwn();
    QString m_path;
    int m_fd = -1;
    QString m_otherMachine;
};

// A restart's new program waits this long for the old one to let go.
inline constexpr int kRestartLockWaitMs = 10000;
// The environment variable that tells the new program it is a restart.
inline constexpr char kRestartVariable[] = "VINTARO_RESTART";

} // namespace vintaro
