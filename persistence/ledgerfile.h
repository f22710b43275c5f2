#pragma once
// The ledger file of a room: "naplo<room>.csv" in the lists folder, beside
// the room's saved list "rszamok<room>.txt". A spreadsheet opens it: UTF-8
// CSV with CR LF line ends and a header row, one record a line, fields
// separated by commas and quoted ("...", a quote doubled) when they hold a
// comma or a quote. Line ends inside a text are written as blanks.
//
//   record,session,start,end,room,place,bankroll_in,bankroll_out,bet,stake,numbers,spin,number,fixed,notes
//
// record "session": one session ("menet") with its number, start and end
//   ("2026-12-07 21:03"; end empty while open), room, place or table, the
//   money brought and taken away (whole units; bankroll_out empty when not
//   given) and notes.
// record "bet": one bet of session `session`: bet is the bet's name as the
//   statistics table and the wheel write it ("Piros", "1. harmad",
//   "Voisins du zéro", "17") or "Kiválasztás" for the selection, whose
//   numbers stand in `numbers` separated by blanks; stake is the stake (of
//   one chip for a sector, on each number for the selection); spin and
//   number are the history position and the number of the spin that
//   settled it, both empty while it waits; fixed is 1 when the history no
//   longer holds that spin.
// Every session line comes before its bets. The file is written whole and
// atomically at every change; the room operations never change it.
#include <QString>

#include <string>

#include "ledger/ledger.h"
#include "persistence/readguard.h"

namespace vintaro {

QString ledgerFile(const QString &folder, const QString &room);

struct LedgerRead
{
    Ledger ledger;
    ReadStatus status = ReadStatus::Ok; // Missing: a room without a ledger yet; Unreadable: damaged too
    int damagedLine = 0;                // the first line that cannot be read; 0 when whole
};

// The file's text for a ledger.
std::string ledgerText(const Ledger &ledger);
// Reads the text back; a damaged line stops the reading there.
LedgerRead parseLedger(std::string_view text);
// Reads a ledger file (regular files only, at most kLedgerLimit bytes: a
// longer file is damaged).
inline constexpr qint64 kLedgerLimit = 64 * 1024 * 1024;
LedgerRead readLedger(const QString &path);
// Writes it atomically; false when the file could not be replaced.
bool writeLedger(const QString &path, const Ledger &ledger);

} // namespace vintaro
