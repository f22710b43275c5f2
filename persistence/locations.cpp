#include "persistence/locations.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

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
    if (holdsDataFiles(folder) && folderWritable(folder)) {
        folders = portableFolders(folder);
        folders.program = program;
    } else {
        folders.data = clean(folder + QStringLiteral("/../share/vintaro"));
        folders.lists = clean(userDataFolder);
        folders.program = program;
    }
    if (!listsOverride.isEmpty()) {
        folders.lists = clean(listsOverride);
        folders.restartArguments = {QStringLiteral("--data-dir"), folders.lists};
    }
    return folders;
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

bool prepareListFolder(const Folders &folders)
{
    return !folders.lists.isEmpty() && QDir().mkpath(folders.lists);
}

} // namespace vintaro
