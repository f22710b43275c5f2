#include "odds/report.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>

#include "core/textformat.h"
#include "odds/bettable.h"
#include "odds/biastest.h"
#include "odds/evidencetext.h"
#include "odds/holdout.h"
#include "odds/oddstext.h"

namespace vintaro {

namespace {

class AnalysisReport
{
    Q_DECLARE_TR_FUNCTIONS(AnalysisReport)
};

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
    auto line = [](const QString &text) { return text.toStdString(); };
    out << line(AnalysisReport::tr("Elemzett fájl: %1").arg(QString::fromStdString(path))) << '\n';
    if (const std::string format = formatText(analysis.format); !format.empty())
        out << line(AnalysisReport::tr("Formátum: %1").arg(QString::fromStdString(format))) << '\n';
    out << line(AnalysisReport::tr("Pörgetések: %1").arg(QString::fromStdString(formatInteger(n)))) << '\n';
    const std::string junk = junkLine(analysis);
    if (!junk.empty())
        out << junk << '\n';

    out << '\n' << line(AnalysisReport::tr("Torzításpróba (szabályos kerékhez mérve)")) << '\n';
    const Evidence found = evidence(analysis.tally.counts());
    out << verdictLine(found) << '\n' << carrierLine(found) << '\n' << evidenceExplanation() << '\n'
        << notARecommendationLine() << '\n';
    const EdgeEstimates estimates = holdOutEstimates(analysis.tally);
    out << estimateLine(estimates.number, true) << '\n' << estimateLine(estimates.arc, false) << '\n';
    out << sampleSizeLine() << '\n';

    out << '\n' << oneLookCaption() << '\n';
    const BiasReport bias = biasTests(analysis.tally.counts());
    if (bias.lines.empty()) {
        out << line(AnalysisReport::tr("Nincs mit vizsgálni: a fájlban nincs pörgetés.")) << '\n';
    } else {
        std::vector<std::vector<std::string>> rows{
            {line(AnalysisReport::tr("Próba")), line(AnalysisReport::tr("Érték")),
             line(AnalysisReport::tr("Szf.")), "p", line(AnalysisReport::tr("Holm-p"))}};
        for (const BiasLine &test : bias.lines)
            rows.push_back({biasName(test), biasStatistic(test),
                            test.kind == BiasLine::Kind::Arc ? "-" : formatInteger(test.degrees),
                            formatPValue(test.p), formatPValue(test.adjusted)});
        writeColumns(out, rows, false);
        out << line(AnalysisReport::tr("Szf.: szabadsági fok. Holm-p: a p-érték a Holm-módszerrel igazítva, a "
                                       "táblázat összes próbáját együtt számba véve."))
            << '\n';
    }
    if (!bias.numberTest && n > 0)
        out << tooShortLine(n) << '\n';

    out << '\n' << line(AnalysisReport::tr("Tétek")) << '\n';
    out << betsCaption(n) << '\n';
    std::vector<std::vector<std::string>> rows{
        {line(AnalysisReport::tr("Tét")), line(AnalysisReport::tr("Szám")), line(AnalysisReport::tr("Találat")),
         line(AnalysisReport::tr("Várható")), "z", line(AnalysisReport::tr("Kimaradás")),
         line(AnalysisReport::tr("Ilyen kimaradás esélye most")), line(AnalysisReport::tr("Ennyiből egyszer")),
         line(AnalysisReport::tr("Leghosszabb kimaradás")),
         line(AnalysisReport::tr("Ilyen leghosszabb kimaradás esélye ennyi pörgetésben")),
         line(AnalysisReport::tr("Várható leghosszabb"))}};
    for (const BetLine &bet : betTable(analysis.tally))
        rows.push_back({betName(bet.name), formatInteger(bet.size), formatInteger(bet.hits),
                        formatDecimal(bet.expected, 1), formatDecimal(bet.z, 2), formatInteger(bet.current),
                        formatChance(bet.currentChance) + (rareForTheTable(bet.currentAnyChance) ? " *" : ""),
                        formatOneIn(bet.currentOneIn), formatInteger(bet.longest),
                        formatChance(bet.longestChance) + (rareForTheTable(bet.longestAnyChance) ? " *" : ""),
                        formatDecimal(bet.expectedLongest, 1)});
    writeColumns(out, rows, false);
    out << line(AnalysisReport::tr("*: egy %1 pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind %2 "
                                   "tétet számba véve (1 % alatt).")
                    .arg(QString::fromStdString(formatInteger(sessionSpins(n))),
                         QString::fromStdString(withArticle(kBetCount))))
        << '\n';
    out << '\n' << honestyLine() << '\n';
}

} // namespace vintaro
