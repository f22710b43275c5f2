#include "odds/oddstext.h"

#include "persistence/readertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include <QCoreApplication>

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

class OddsText
{
    Q_DECLARE_TR_FUNCTIONS(OddsText)
};

QString q(const std::string &text) { return QString::fromStdString(text); }

// The names of the bets as the catalogue (core/bets.h) gives them, for
// lupdate: betName() translates them where they are shown.
[[maybe_unused]] constexpr const char *kBetNames[] = {
    QT_TRANSLATE_NOOP("Bets", "Fekete"),          QT_TRANSLATE_NOOP("Bets", "Piros"),
    QT_TRANSLATE_NOOP("Bets", "Alacsony"),        QT_TRANSLATE_NOOP("Bets", "Magas"),
    QT_TRANSLATE_NOOP("Bets", "1. harmad"),       QT_TRANSLATE_NOOP("Bets", "2. harmad"),
    QT_TRANSLATE_NOOP("Bets", "3. harmad"),       QT_TRANSLATE_NOOP("Bets", "Oszlop P"),
    QT_TRANSLATE_NOOP("Bets", "Oszlop M"),        QT_TRANSLATE_NOOP("Bets", "Oszlop D"),
    QT_TRANSLATE_NOOP("Bets", "Páros"),           QT_TRANSLATE_NOOP("Bets", "Páratlan"),
    QT_TRANSLATE_NOOP("Bets", "Oszlop  P M"),     QT_TRANSLATE_NOOP("Bets", "Oszlop  M D"),
    QT_TRANSLATE_NOOP("Bets", "Voisins du zéro"), QT_TRANSLATE_NOOP("Bets", "Jeu zéro"),
    QT_TRANSLATE_NOOP("Bets", "Tiers du cylindre"), QT_TRANSLATE_NOOP("Bets", "Orphelins"),
};

} // namespace

std::string percentText(const std::string &number) { return OddsText::tr("%1 %").arg(q(number)).toStdString(); }

std::string formatChance(double chance)
{
    const double percent = chance * 100;
    if (percent >= 99.95 && chance < 1)
        return "> " + percentText(formatDecimal(99.9, 1));
    if (percent >= 9.995)
        return percentText(formatDecimal(percent, 1));
    if (percent < 0.0001)
        return "< " + percentText(formatDecimal(0.0001, 4));
    // Three significant digits below 10 %: "1,83 %", "0,0123 %".
    return percentText(formatDecimal(percent, significantDecimals(percent, 3)));
}

std::string formatOneIn(double oneIn)
{
    if (!std::isfinite(oneIn) || oneIn >= 1e15)
        return "> 10^15";
    return formatInteger(static_cast<std::int64_t>(std::llround(oneIn)));
}

std::string formatPValue(double p)
{
    return p < 0.0001 ? "< " + formatDecimal(0.0001, 4) : formatDecimal(p, 4);
}

std::string honestyLine()
{
    return OddsText::tr("Minden pörgetés független az előzőktől: egyik táblázat sem jósolja meg a következő számot, "
                        "és szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el.")
        .toStdString();
}

std::string tooShortLine(std::int64_t spins)
{
    return OddsText::tr("A 37 szám próbájához ez %1 pörgetés túl kevés: legalább %2 kell (számonként öt várható "
                        "találat).",
                        nullptr, int(std::min<std::int64_t>(spins, 1'000'000)))
        .arg(q(withArticle(spins)), q(formatInteger(kNumberTestMinimum)))
        .toStdString();
}

std::string junkLine(const SpinFileAnalysis &analysis)
{
    if (analysis.junk == 0)
        return {};
    const QString text = analysis.junk == 1
                             ? OddsText::tr("%1 elem nem 0 és 36 közötti szám, ez kimaradt az elemzésből; %2. "
                                            "sorban: \"%3\".")
                             : OddsText::tr("%1 elem nem 0 és 36 közötti szám, ezek kimaradtak az elemzésből; az első "
                                            "%2. sorban: \"%3\".");
    return text
        .arg(q(formatInteger(analysis.junk)), q(withArticle(analysis.firstJunkLine)),
             q(printable(analysis.firstJunkText)))
        .toStdString();
}

std::string biasStatistic(const BiasLine &line)
{
    if (line.kind == BiasLine::Kind::Arc)
        return OddsText::tr("%1 találat (várható %2)", nullptr, int(std::min<std::int64_t>(line.arcHits, 1'000'000)))
            .arg(q(formatInteger(line.arcHits)), q(formatDecimal(line.arcExpected, 1)))
            .toStdString();
    return "χ² = " + formatDecimal(line.statistic, 2);
}

std::string biasName(const BiasLine &line)
{
    const QString name = QCoreApplication::translate("BiasTest", line.name.c_str());
    if (line.kind == BiasLine::Kind::Arc)
        return OddsText::tr("%1 (%2 körül)").arg(name, q(withArticle(line.arcCentre))).toStdString();
    return name.toStdString();
}

std::string verdictName(std::string_view verdict)
{
    return QCoreApplication::translate("Evidence", std::string(verdict).c_str()).toStdString();
}

std::string formatText(SpinFormat format)
{
    return spinFormatText(format).toStdString();
}

std::string betName(const std::string &name)
{
    return QCoreApplication::translate("Bets", name.c_str()).toStdString();
}

} // namespace vintaro
