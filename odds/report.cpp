#include "odds/report.h"

#include <algorithm>
#include <vector>

#include "core/textformat.h"
#include "odds/bettable.h"
#include "odds/biastest.h"
#include "odds/evidencetext.h"
#include "odds/holdout.h"
#include "odds/oddstext.h"

namespace vintaro {

namespace {

std::string pad(const std::string &text, size_t w, bool right)
{
    const std::string fill(w > displayWidth(text) ? w - displayWidth(text) : 0, ' ');
    return right ? fill + text : text + fill;
}

// Writes rows of cells in columns as wide as their widest cell; the first
// column to the left, the rest to the right but for a verdict at the end.
void writeColumns(std::ostream &out, const std::vector<std::vector<std::string>> &rows, bool lastLeft)
{
    std::vector<size_t> widths;
    for (const auto &row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    for (const auto &row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += (i ? "  " : "") + pad(row[i], widths[i], i > 0 && !(lastLeft && i + 1 == row.size()));
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

} // namespace

void writeAnalysisReport(std::ostream &out, const std::string &path, const SpinFileAnalysis &analysis)
{
    const std::int64_t n = analysis.tally.total();
    out << "Elemzett fájl: " << path << '\n';
    if (const std::string format = formatNote(analysis.format); !format.empty())
        out << "Formátum: " << format << '\n';
    out << "Pörgetések: " << formatInteger(n) << '\n';
    const std::string junk = junkLine(analysis);
    if (!junk.empty())
        out << junk << '\n';

    out << "\nTorzításpróba (szabályos kerékhez mérve)\n";
    const Evidence found = evidence(analysis.tally.counts());
    out << verdictLine(found) << '\n' << carrierLine(found) << '\n' << evidenceExplanation() << '\n'
        << notARecommendationLine() << '\n';
    const EdgeEstimates estimates = holdOutEstimates(analysis.tally);
    out << estimateLine(estimates.number, true) << '\n' << estimateLine(estimates.arc, false) << '\n';
    out << sampleSizeLine() << '\n';

    out << '\n' << oneLookCaption() << '\n';
    const BiasReport bias = biasTests(analysis.tally.counts());
    if (bias.lines.empty()) {
        out << "Nincs mit vizsgálni: a fájlban nincs pörgetés.\n";
    } else {
        std::vector<std::vector<std::string>> rows{{"Próba", "Érték", "Szf.", "p", "Holm-p"}};
        for (const BiasLine &line : bias.lines)
            rows.push_back({biasName(line), biasStatistic(line),
                            line.kind == BiasLine::Kind::Arc ? "-" : formatInteger(line.degrees),
                            formatPValue(line.p), formatPValue(line.adjusted)});
        writeColumns(out, rows, false);
        out << "Szf.: szabadsági fok. Holm-p: a p-érték a Holm-módszerrel igazítva, a táblázat összes próbáját "
               "együtt számba véve.\n";
    }
    if (!bias.numberTest && n > 0)
        out << tooShortLine(n) << '\n';

    out << "\nTétek\n";
    out << betsCaption(n) << '\n';
    std::vector<std::vector<std::string>> rows{{"Tét", "Szám", "Találat", "Várható", "z", "Kimaradás",
                                                "Ilyen kimaradás esélye most", "Ennyiből egyszer",
                                                "Leghosszabb kimaradás", "Ilyen leghosszabb kimaradás esélye ennyi pörgetésben",
                                                "Várható leghosszabb"}};
    for (const BetLine &line : betTable(analysis.tally))
        rows.push_back({line.name, formatInteger(line.size), formatInteger(line.hits),
                        formatDecimal(line.expected, 1), formatDecimal(line.z, 2), formatInteger(line.current),
                        formatChance(line.currentChance) + (rareForTheTable(line.currentAnyChance) ? " *" : ""),
                        formatOneIn(line.currentOneIn), formatInteger(line.longest),
                        formatChance(line.longestChance) + (rareForTheTable(line.longestAnyChance) ? " *" : ""),
                        formatDecimal(line.expectedLongest, 1)});
    writeColumns(out, rows, false);
    out << "*: egy " << formatInteger(sessionSpins(n)) << " pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind "
        << withArticle(kBetCount) << " tétet számba véve (1 % alatt).\n";
    out << '\n' << honestyLine() << '\n';
}

} // namespace vintaro
