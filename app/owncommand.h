#pragma once
// --simulate own: a system of the player's own, from the systems file
// (--system-file FILE --system NAME) or from its rules (--stakes 1,2,4
// --on-win ... --on-loss ... --after-last ... --sit-out N:M); and, for every
// system with exact figures, --risk P (the smallest bankroll for that risk of
// ruin) and --reach P (the largest target reached with that chance).
#include <QCommandLineOption>
#include <QList>
#include <QStringList>

class QCommandLineParser;

namespace vintaro {

struct SimulateCommand;

QList<QCommandLineOption> ownOptions();
QStringList ownOptionNames();

// Reads the system of --simulate own into `command.own`; a message for a
// wrong option, or an empty text.
QString readOwnSystem(const QCommandLineParser &parser, SimulateCommand &command);
// Reads --risk and --reach.
QString readRiskOptions(const QCommandLineParser &parser, SimulateCommand &command);

} // namespace vintaro
