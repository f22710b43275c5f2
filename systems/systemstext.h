#pragma once
// How the figures of a system are written, on the command line and in the
// window alike: Hungarian numbers, every share saying what it is the share of.
#include <string>
#include <vector>

#include "systems/exact.h"

namespace vintaro {

std::string moneyText(double amount); // "-12", "-2,71"
std::string shareText(double share);  // "48,6 %", "0,35 %": at least one decimal

struct FigureLine
{
    std::string caption, simulated, exact; // exact: "-" when not known
};

// The figures of many sessions, with the exact ones beside them (when
// `exact.available`); the share at the target only when there is one.
std::vector<FigureLine> figureLines(const Summary &simulated, const ExactRisk &exact, bool target);
// Whether the mean result and -(mean staked)/37 agree within the interval.
std::string agreementLine(const Summary &simulated);
// The figures of a backtest.
std::vector<FigureLine> backtestLines(const Backtest &backtest);
std::string endingText(Ending ending);

// A system changes how the loss is spread, never its average.
std::string fixedLine();

} // namespace vintaro
