#pragma once
// The honest line: what was staked, what came of it, and what the house edge
// makes expected, with the band that luck fills around it.
//
// Every spin is a draw of one of the 37 numbers, each as likely: the result of
// the bets on one spin has the mean of their returns over the 37 numbers less
// their cost (-cost/37 for bets the table pays in full) and the variance of
// those returns. The spins are independent, so the means and the variances
// add up. A result more than two standard deviations from the expected one
// is outside the band; a fair wheel puts about one session in twenty there.
#include "ledger/payout.h"

namespace vintaro {

struct HonestLine
{
    Money staked = 0;
    Money result = 0;      // everything back less everything staked
    double expected = 0.0; // the mean of the result
    double variance = 0.0; // of the result
    int spins = 0;         // spins with a bet on them
    int bets = 0;

    double deviation() const;
    double low() const { return expected - 2.0 * deviation(); }
    double high() const { return expected + 2.0 * deviation(); }
    bool inside() const;

    // One spin's bets, settled on `number`: their returns on every number and
    // their cost.
    void addSpin(const Returns &back, Money cost, int number);
    // Takes back a spin added before (its Undo).
    void removeSpin(const Returns &back, Money cost, int number);
    HonestLine &operator+=(const HonestLine &other);
};

} // namespace vintaro
