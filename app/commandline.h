#pragma once
// The command line: --help, --version, --data-dir DIR, --language hu|en and
// --analyse FILE.
// Read before any window exists, so that --help, --version and the analysis
// of a file need no display.
#include <QString>
#include <QStringList>

#include "app/ledgercommand.h"
#include "app/importcommand.h"
#include "app/simulatecommand.h"

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
    QString language; // --language: hu or en, or empty (vintaro.ini's choice, or Hungarian)
    QString analyse; // --analyse: a spin file to analyse as text, or empty
    SimulateCommand simulate; // --simulate: a betting system played as text
    LedgerCommand ledger;     // --ledger: the player's ledger as text
    ImportCommand import;     // --import: spins of a file into a room
};

// Reads `arguments` (the program name first, as argv gives them). A wrong
// command line ends with exit code 2 and a message for stderr.
CommandLine parseCommandLine(const QStringList &arguments);

// --analyse FILE: the bias test and the bet table of the file on standard
// output; the program's exit code (2 for a file it cannot read).
int runAnalyse(const QString &file);

} // namespace vintaro
