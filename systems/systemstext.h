#pragma once
// How the figures of a system are written, on the command line and in the
// window alike, in the chosen language (the texts through Qt's translation,
// the numbers through core/textformat): every share saying what it is the
// share of. UTF-8 throughout.
#include <string>
#include <string_view>
#include <vector>

#include "systems/exact.h"
#include "systems/system.h"

namespace vintaro {

std::string moneyText(double amount); // "-12", "-2,71"
std::string shareText(double share);  // "48,6 %", "1,83 %", "0,354 %": three digits below 10 %

// A bet's and a built-in system's name, and a problem of systems/problems.h
// (a Hungarian text, with its value where it has one).
std::string betCaption(const Bet &bet);
std::string systemCaption(SystemKind kind);
std::string problemText(std::string_view problem);

struct FigureLine
{
    std::string caption, simulated, exact; // exact: "-" when not known
};

// The figures of many sessions, with the exact ones beside them (when
// `exact.available`); the share at the target only when there is one.
std::vector<FigureLine> figureLines(const Summary &simulated, const ExactRisk &exact, bool target);
// The player's question answered in one sentence, from the exact figures
// when known and the simulated ones otherwise: how many sessions in 1 000 go
// bust, and what a session loses on average, in units of `unit`.
std::string answerLine(const Summary &simulated, const ExactRisk &exact, double unit);
// Whether the mean of result + staked/37 per session, in the 95 % range of
// its own spread, is 0.
std::string agreementLine(const Summary &simulated);
// The figures of a backtest.
std::vector<FigureLine> backtestLines(const Backtest &backtest);
std::string endingText(Ending ending);

// Only the loss per unit staked is fixed: a system changes what is staked and
// how the result is spread, and so the mean loss of a session.
std::string fixedLine();

// A count with its noun in the chosen language's plural: `text` is marked
// with QT_TRANSLATE_N_NOOP under `context` and holds %1 for the number.
std::string countText(const char *context, const char *text, std::int64_t count);

} // namespace vintaro
