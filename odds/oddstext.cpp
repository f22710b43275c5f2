#include "odds/oddstext.h"

#include <cmath>
#include <cstdio>

#include "odds/spinfile.h"

namespace vintaro {

namespace {

std::string group(const std::string &digits)
{
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return out;
}

// The bytes of a token as text: as they are when they form UTF-8 (a
// character cut off at the end is dropped), with '?' for each byte above
// ASCII otherwise (a Windows-1250 file) and for control bytes.
std::string printable(std::string bytes)
{
    bool utf8 = true;
    for (size_t i = 0; i < bytes.size() && utf8;) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
        if (extra == 4) {
            utf8 = false;
            break;
        }
        size_t k = 1;
        while (k <= extra && i + k < bytes.size() && (static_cast<unsigned char>(bytes[i + k]) >> 6) == 2)
            ++k;
        if (k <= extra) {
            if (i + k == bytes.size())
                bytes.resize(i); // cut off
            else
                utf8 = false;
            break;
        }
        i += extra + 1;
    }
    for (char &c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && !utf8))
            c = '?';
    }
    return bytes;
}

} // namespace

std::string formatInteger(std::int64_t value)
{
    std::string out = value < 0 ? "-" : "";
    out += group(std::to_string(value < 0 ? -value : value));
    return out;
}

std::string formatDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    std::string text(buffer);
    const size_t dot = text.find('.');
    std::string whole = dot == std::string::npos ? text : text.substr(0, dot);
    std::string out = group(whole);
    if (dot != std::string::npos)
        out += ',' + text.substr(dot + 1);
    const bool zero = out.find_first_not_of("0, ") == std::string::npos;
    if (value < 0 && !zero)
        out.insert(out.begin(), '-');
    return out;
}

std::string formatChance(double chance)
{
    const double percent = chance * 100;
    if (percent >= 99.95 && chance < 1)
        return "> 99,9 %";
    if (percent >= 10)
        return formatDecimal(percent, 1) + " %";
    if (percent >= 0.1)
        return formatDecimal(percent, 2) + " %";
    if (percent >= 0.0001)
        return formatDecimal(percent, 4) + " %";
    return "< 0,0001 %";
}

std::string formatOneIn(double oneIn)
{
    if (!std::isfinite(oneIn) || oneIn >= 1e15)
        return "1 : > 10^15";
    return "1 : " + formatInteger(static_cast<std::int64_t>(std::llround(oneIn)));
}

std::string formatPValue(double p)
{
    return p < 0.0001 ? "< 0,0001" : formatDecimal(p, 4);
}

std::string honestyLine()
{
    return "Minden pörgetés független az előzőktől: egyik táblázat sem jósolja meg a következő számot, "
           "és szabályos keréken minden tét átlagosan a tét 1/37-ét veszíti el.";
}

std::string tooShortLine(std::int64_t spins)
{
    return "A 37 szám próbájához ez a " + formatInteger(spins) + " pörgetés túl kevés: legalább " +
           formatInteger(kNumberTestMinimum) + " kell (számonként öt várható találat).";
}

std::string sampleSizeLine()
{
    std::string out = "Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, kimutatásához kb. ";
    for (size_t i = 0; i < kDetectableExcess.size(); ++i)
        out += (i ? " / " : "") + formatInteger(spinsToDetect(kDetectableExcess[i]));
    return out + " pörgetés kell (egyoldali próba, α = 0,05/37, 80 % erő).";
}

std::string junkLine(const SpinFileAnalysis &analysis)
{
    if (analysis.junk == 0)
        return {};
    return formatInteger(analysis.junk) + " elem nem 0 és 36 közötti szám, ezeket kihagytam; az első a " +
           formatInteger(analysis.firstJunkLine) + ". sorban: \"" + printable(analysis.firstJunkText) + "\".";
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
        return line.name + " (a " + std::to_string(line.arcCentre) + " körül)";
    return line.name;
}

} // namespace vintaro
