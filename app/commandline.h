#pragma once
// The command line: --help, --version and --data-dir DIR. Read before any
// window exists, so that --help and --version need no display.
#include <QString>
#include <QStringList>

namespace vintaro {

struct CommandLine
{
    // What the program does after reading its command line.
    enum class Action { Run, Exit };

    Action action = Action::Run;
    int exitCode = 0;
    QString out;     // for stdout (--help, --version)
    QString error;   // for stderr (a wrong command line)
    QString dataDir; // --data-dir: the folder of the spin lists, or empty
};

// Reads `arguments` (the program name first, as argv gives them). A wrong
// command line ends with exit code 2 and a message for stderr.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace vintaro
