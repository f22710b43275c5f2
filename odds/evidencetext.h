#pragma once
// How the evidence, the estimate and the bet table's chances are written, in
// the window and in the text report alike.
#include <cstdint>
#include <optional>
#include <string>

#include "odds/evidence.h"
#include "odds/holdout.h"

namespace vintaro {

// "37-szeres", "0,4-szeres", "19,9-szeres" (never rounded up to a verdict's
// border), "több mint 1 000 000-szoros".
std::string evidenceAmount(double e);
// "Ítélet: gyanús; a bizonyíték 37-szeres.".
std::string verdictLine(const Evidence &evidence);
// "a 17-es szám", "9 szomszédos zseb íve (22, 18, 29, 7, 28, 12, 35, 3, 26)".
std::string arcName(const PocketArc &arc);
// The set that carries the evidence, with its hits and expected hits.
std::string carrierLine(const Evidence &evidence);
// What the evidence means and where the verdicts begin.
std::string evidenceExplanation();
// Beside every verdict: it recommends no bet.
std::string notARecommendationLine();
// Above the chi-square tests: they hold for one look at a finished history.
std::string oneLookCaption();
// The hold-out estimate of a number (or an arc) and what its range means.
std::string estimateLine(const std::optional<EdgeEstimate> &estimate, bool number);
// Spins that the evidence, watched after every spin, needs to flag a number
// coming 10, 20 or 50 % more often in 80 % of simulated histories, and what a
// history of the program reaches when that is longer.
std::string sampleSizeLine();
// Above the bet table: the spins, what each chance is the chance of, and what
// a highlight guarantees.
std::string betsCaption(std::int64_t spins);

} // namespace vintaro
