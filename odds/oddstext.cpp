#include "odds/oddstext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "odds/spinfile.h"
#include "persistence/textencoding.h"

namespace vintaro {

namespace {

// The bytes of a token as text: as they are when they form UTF-8 (a
// character cut off at the end is dropped), with '?' for each byte above
// ASCII otherwise (a Windows-1250 file) and for control bytes.
std::string printable(std::string bytes)
{
    const std::optional<std::size_t> whole = utf8Length(bytes);
    if (whole)
        bytes.resize(*whole);
    for (char &c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && !whole))
            c = '?';
    }
    return bytes;
}

} // namespace

std::string formatChance(double chance)
{
    const double percent = chance * 100;
    if (percent >= 99.95 && chance < 1)
        return "> 99,9 %";
    if (percent >= 9.995)
        return formatDecimal(percent, 1) + " %";
    if (percent < 0.0001)
        return "< 0,0001 %";
    // Three significant digits below 10 %: "1,83 %", "0,0123 %".
    return formatDecimal(percent, significantDecimals(percent, 3)) + " %";
}

std::string formatOneIn(double oneIn)
{
    if (!std::isfinite(oneIn) || oneIn >= 1e15)
        return "> 10^15";
    return formatInteger(static_cast<std::int64_t>(std::llround(oneIn)));
}

std::string formatPValue(double p)
{
    return p < 0.0001 ? "< 0,0001" : formatDecimal(p, 4);
}

std::string honestyLine()
{
    return "Minden pörgetés független az előzőktől: egyik táblázat sem jósolja meg a következő számot, "
           "és szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el.";
}

std::string tooShortLine(std::int64_t spins)
{
    return "A 37 szám próbájához ez " + withArticle(spins) + " pörgetés túl kevés: legalább " +
           formatInteger(kNumberTestMinimum) + " kell (számonként öt várható találat).";
}

std::string junkLine(const SpinFileAnalysis &analysis)
{
    if (analysis.junk == 0)
        return {};
    return formatInteger(analysis.junk) + " elem nem 0 és 36 közötti szám, " +
           (analysis.junk == 1 ? "ez kimaradt" : "ezek kimaradtak") + " az elemzésből; " +
           (analysis.junk == 1 ? "" : "az első ") +
           withArticle(analysis.firstJunkLine) + ". sorban: \"" + printable(analysis.firstJunkText) + "\".";
}

std::string biasStatistic(const BiasLine &line)
{
    if (line.kind == BiasLine::Kind::Arc)
        return formatInteger(line.arcHits) + " találat (várható " + formatDecimal(line.arcExpected, 1) + ")";
    return "χ² = " + formatDecimal(line.statistic, 2);
}

std::string biasName(const BiasLine &line)
{
    if (line.kind == BiasLine::Kind::Arc)
        return line.name + " (" + withArticle(line.arcCentre) + " körül)";
    return line.name;
}

} // namespace vintaro
