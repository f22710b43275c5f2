#pragma once
// --ledger [--room N] [--csv]: the sessions of the player's ledger and their
// totals with the honest line, as text or as CSV; no display needed.
#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace vintaro {

struct LedgerCommand
{
    bool wanted = false; // --ledger was given
    QString room;        // --room: one room; empty: every room with a ledger
    bool csv = false;    // --csv: one line a session, then the totals
};

QList<QCommandLineOption> ledgerOptions();
// Reads them into `command`; a message for a wrong one, or an empty text.
QString readLedgerOptions(const QCommandLineParser &parser, LedgerCommand &command);
// Prints the ledgers of the lists folder; 0, or 2 (with a message on
// standard error) for a ledger file that cannot be read.
int runLedger(const LedgerCommand &command, const QString &listsFolder);

} // namespace vintaro
