#pragma once
// --import FILE --room N [--replace] [--newest-first] [--column NAME|NUMBER]:
// the spins of a file into a room's saved list, as "Előzmény betöltése…"
// does, without a window.
#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace vintaro {

struct ImportCommand
{
    bool wanted = false; // --import was given
    QString file;
    QString room;
    bool replace = false;
    bool newestFirst = false;
    QString column;
};

// --import and its options, in the order --help lists them.
QList<QCommandLineOption> importOptions();

// Reads them into `command`; a message for a wrong one, or an empty text.
QString readImportOptions(const QCommandLineParser &parser, ImportCommand &command);

// Runs the command on the lists folder (--data-dir, or where the program
// keeps it); the program's exit code: 0 when the spins are in the room, 2
// with a message on standard error when nothing changed.
int runImport(const ImportCommand &command, const QString &dataDir);

} // namespace vintaro
