#pragma once
// Where the program's files live. Run from a folder of its own that holds the
// data files or the spin lists (portable mode), every file lies beside the
// executable, even when the folder cannot be written (the program then says
// so). Installed, the read-only files come from <prefix>/share/vintaro
// and the spin lists go to the user's own data folder.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vintaro {

struct Folders
{
    QString data;    // read only: piros.bmp, XX.BMP, the four group files, Vintaro.doc
    QString lists;   // read and written: rszamok*.txt, terem.txt
    QString program; // the executable that a restart starts again
    QStringList restartArguments; // what the restart passes on (a --data-dir)

    bool operator==(const Folders &) const = default;
};

// The files that lie beside the executable in a program folder.
const QStringList &dataFileNames();

// Everything in one folder, as the program has always kept it.
Folders portableFolders(const QString &folder);

// Decides the folders from the executable's path and the user's data folder
// (QStandardPaths::AppDataLocation). A non-empty `listsOverride` (--data-dir)
// takes the place of the lists folder in either mode.
Folders decideFolders(const QString &executable, const QString &userDataFolder, const QString &listsOverride = {});

// The user's data folder of the program: $XDG_DATA_HOME/vintaro, or
// ~/.local/share/vintaro when XDG_DATA_HOME is unset, empty or relative.
QString userDataFolder(const QByteArray &xdgDataHome, const QString &home);

// Whether a file can be created in the folder (tried, not guessed from the
// permission bits).
bool folderWritable(const QString &folder);

// The settings file (the places of the windows): a program folder of its own
// keeps it beside its lists; an installed program keeps it in the user's
// configuration folder (QStandardPaths::AppConfigLocation).
QString settingsFile(const Folders &folders, const QString &userConfigFolder);

// The settings file as it may be used: a regular file of at most
// kSettingsLimit bytes, or none yet. Anything else in its place (a FIFO
// that would hang the start, a folder, a link whose target would get the
// settings, a file too large to be settings) is left alone: the settings
// then live only as long as the program runs, and the result is empty.
inline constexpr qint64 kSettingsLimit = 64 * 1024;
QString usableSettingsFile(const QString &path);

// Creates the lists folder when it is missing; false when it cannot be made.
bool prepareListFolder(const Folders &folders);

} // namespace vintaro
