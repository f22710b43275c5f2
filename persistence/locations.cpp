#include "persistence/locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <sys/stat.h>

namespace vintaro {

namespace {

QString clean(const QString &path) { return QDir::cleanPath(QDir(path).absolutePath()); }

bool holdsDataFiles(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dataFileNames())
        if (QFileInfo::exists(dir.filePath(name)))
            return true;
    return false;
}

// The working list, a room's list or the room number file.
bool holdsSpinLists(const QString &folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("terem.txt"))) ||
           !dir.entryList({QStringLiteral("rszamok*.txt")}, QDir::Files).isEmpty();
}

} // namespace

const QStringList &dataFileNames()
{
    static const QStringList names{QStringLiteral("piros.bmp"), QStringLiteral("XX.BMP"),
                                   QStringLiteral("parok.txt"), QStringLiteral("katlo.txt"),
                                   QStringLiteral("natlo.txt"), QStringLiteral("corner.txt"),
                                   QStringLiteral("Vintaro.doc")};
    return names;
}

Folders portableFolders(const QString &folder)
{
    return {folder, folder, folder + QStringLiteral("/vintaro2011"), {}};
}

Folders decideFolders(const QString &executable, const QString &userDataFolder, const QString &listsOverride)
{
    const QString program = clean(executable);
    const QString folder = QFileInfo(program).path();
    Folders folders;
    const bool data = holdsDataFiles(folder);
    // The player's folder, even when it cannot be written: their lists are
    // read there, and the program says that it cannot save.
    if (data || holdsSpinLists(folder)) {
        folders = portableFolders(folder);
        if (!data)
            folders.data = clean(folder + QStringLiteral("/../share/vintaro"));
    } else {
        folders.data = clean(folder + QStringLiteral("/../share/vintaro"));
        folders.lists = clean(userDataFolder);
    }
    folders.program = program;
    if (!listsOverride.isEmpty()) {
        folders.lists = clean(listsOverride);
        folders.restartArguments = {QStringLiteral("--data-dir"), folders.lists};
    }
    return folders;
}

QString userDataFolder(const QByteArray &xdgDataHome, const QString &home)
{
    // A relative XDG_DATA_HOME is invalid and ignored.
    const QString base = !xdgDataHome.isEmpty() && xdgDataHome.startsWith('/')
                             ? QFile::decodeName(xdgDataHome)
                             : home + QStringLiteral("/.local/share");
    return clean(base + QStringLiteral("/vintaro"));
}

bool folderWritable(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.vintaro-XXXXXX"));
    return probe.open();
}

QString settingsFile(const Folders &folders, const QString &userConfigFolder)
{
    const bool portable = clean(QFileInfo(folders.program).path()) == clean(folders.data);
    return (portable ? clean(folders.lists) : clean(userConfigFolder)) + QStringLiteral("/vintaro.ini");
}

QString usableSettingsFile(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? path : QString();
    return S_ISREG(st.st_mode) && st.st_size <= kSettingsLimit ? path : QString();
}

bool prepareListFolder(const Folders &folders)
{
    return !folders.lists.isEmpty() && QDir().mkpath(folders.lists);
}

} // namespace vintaro
