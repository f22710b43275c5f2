#pragma once
// --simulate SYSTEM --bet BET [...]: a betting system over many simulated
// sessions, with the exact figures where they can be computed, and over a
// spin file with --history; plain text, no display needed.
#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

#include "systems/ownsystem.h"
#include "systems/simulation.h"

class QCommandLineParser;

namespace vintaro {

struct SimulateCommand
{
    bool wanted = false; // --simulate was given
    SimulationRequest request;
    QString history; // --history: a spin file to play the system on, or empty
    std::optional<OwnSystem> own; // --simulate own: the system (request.own holds its table)
    bool ownFromFile = false;     // from --system-file: its bet and rules are the defaults
    double risk = 0, reach = 0;   // --risk, --reach as shares; 0: not asked
};

// --simulate and its options, in the order --help lists them.
QList<QCommandLineOption> simulateOptions();

// Reads them into `command`; a message for a wrong one, or an empty text.
QString readSimulateOptions(const QCommandLineParser &parser, SimulateCommand &command);

// Runs the command; the program's exit code (2 for a file it cannot read).
int runSimulate(const SimulateCommand &command);

} // namespace vintaro
