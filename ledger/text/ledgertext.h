#pragma once
// The ledger's sentences, for the window and the command line alike, in the
// chosen language: the honest line and its verdict, a session's heading.
#include <QString>

#include "ledger/honest.h"

namespace vintaro {

// A sum of money as a player reads it: "1 250", "-40".
QString moneyAmount(Money amount);
// An expected amount with two decimals: "-0,76".
QString expectedAmount(double amount);

// "Tét összesen: 28, eredmény: -8, várható: -0,76, a sáv: -48,12 … 46,60."
QString honestFigures(const HonestLine &line);
// The verdict: inside the band, what luck gives around the house edge;
// outside, how rare that is. Nothing staked: there is nothing to judge yet.
QString honestVerdict(const HonestLine &line);

// "2. menet: 2026-12-07 20:00 – 22:10, Asztal 4; hozott 1 000, vitt 930"
QString sessionHeading(const LedgerSession &session);

// The bet's name as the player reads it ("Piros", "Voisins du zéro", "17",
// "Kiválasztás (3 szám)").
QString betTitle(const BetKey &bet);

} // namespace vintaro
