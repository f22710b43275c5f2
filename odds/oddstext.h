#pragma once
// How the odds are written, in the window and in the text report alike:
// numbers in the chosen language (core/textformat.h) and the fixed sentences,
// translated (Hungarian is the source text).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/textformat.h"
#include "odds/biastest.h"
#include "persistence/analysisreader.h"

namespace vintaro {

struct SpinFileAnalysis;

std::string percentText(const std::string &number);   // "12,5" → "12,5 %" (English "12.5%")
std::string formatChance(double chance);              // "12,5 %", "1,83 %", "0,0123 %", "< 0,0001 %"
std::string formatOneIn(double oneIn);                // "2", "1 234": once in this many
std::string formatPValue(double p);                   // "0,0312", "< 0,0001"

// Every spin is independent; no table predicts the next one; every bet
// loses 1/37 of its stake on average on a fair wheel.
std::string honestyLine();
// Below 185 spins, instead of the test of the 37 numbers.
std::string tooShortLine(std::int64_t spins);
// How many tokens of a file were no number, and where the first one was;
// empty when every token was a number.
std::string junkLine(const SpinFileAnalysis &analysis);
// The statistic of a line: "χ² = 35,12" or "123 találat (várható 98,4)".
std::string biasStatistic(const BiasLine &line);
// The name with the arc's middle pocket: "Legforróbb 5-ös ív (a 19 körül)",
// "(az 5 körül)".
std::string biasName(const BiasLine &line);
// A verdict of odds/evidence.h ("gyanús") and a bet's name (core/bets.h) in
// the chosen language.
std::string verdictName(std::string_view verdict);
std::string betName(const std::string &name);
// What a spin file turned out to be, for the reader; empty for a plain list.
std::string formatText(SpinFormat format);

} // namespace vintaro
