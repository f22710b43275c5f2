#include "odds/evidencetext.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCoreApplication>

#include "core/spinhistory.h"
#include "core/textformat.h"
#include "odds/bettable.h"
#include "odds/oddstext.h"

namespace vintaro {

namespace {

class EvidenceText
{
    Q_DECLARE_TR_FUNCTIONS(EvidenceText)
};

QString q(const std::string &text) { return QString::fromStdString(text); }

// A count as the plural form of a translation chooses by it.
int pluralCount(std::int64_t n) { return int(std::clamp<std::int64_t>(n, 0, INT_MAX)); }

std::string percent(double fraction)
{
    std::string out(fraction > 0 ? "+" : "");
    out += percentText(formatDecimal(fraction * 100, 1));
    return out;
}

// "a 17-es szám", "az 5-ös szám", "a 0-s szám" (English "number 17").
std::string numberName(int number)
{
    static constexpr std::string_view units[10] = {"", "-es", "-es", "-as", "-es", "-ös", "-os", "-es", "-as", "-es"};
    static constexpr std::string_view tens[4] = {"-s", "-es", "-as", "-as"}; // 0, 10, 20, 30
    const std::string_view suffix = textLanguage() == TextLanguage::English ? std::string_view{}
                                    : number % 10                            ? units[number % 10]
                                                                             : tens[(number / 10) % 4];
    // %2 is the number's Hungarian suffix ("-es"), empty in English.
    return EvidenceText::tr("%1%2 szám").arg(q(withArticle(number)), q(std::string(suffix))).toStdString();
}

// A decimal amount: "2,3-szeres" ("2.3-fold").
std::string decimalTimes(double value)
{
    return EvidenceText::tr("%1-szeres").arg(q(formatDecimal(value, 1))).toStdString();
}

} // namespace

std::string evidenceAmount(double e)
{
    if (!(e < 1e6))
        return EvidenceText::tr("több mint %1").arg(q(timesText(1'000'000))).toStdString();
    if (e < 9.95) {
        const double tenths = std::round(e * 10);
        if (std::fmod(tenths, 10) != 0) // "… egész négy tized": -szeres
            return decimalTimes(tenths / 10);
        return timesText(std::llround(tenths / 10));
    }
    // Just below a verdict's border the amount keeps a decimal, cut rather
    // than rounded: 19,9 stays below the 20 where "gyanús" begins.
    for (double border : {kSuspiciousEvidence, kStrongEvidence})
        if (e < border && double(std::llround(e)) >= border)
            return decimalTimes(std::min(std::floor(e * 10) / 10, border - 0.1));
    return timesText(std::llround(e));
}

std::string verdictLine(const Evidence &evidence)
{
    const double e = evidence.value();
    const QString line = evidence.spins > 0 && e < 1
                             ? EvidenceText::tr("Ítélet: %1; a bizonyíték %2, vagyis az előzmények jobban illenek a "
                                                "szabályos kerékhez, mint egy torzítotthoz.")
                             : EvidenceText::tr("Ítélet: %1; a bizonyíték %2.");
    return line.arg(q(verdictName(evidenceVerdict(e))), q(evidenceAmount(e))).toStdString();
}

std::string arcName(const PocketArc &arc)
{
    if (arc.width == 1)
        return numberName(arc.centre());
    std::string pockets;
    for (int i = 0; i < arc.width; ++i)
        pockets += (i ? ", " : "") + std::to_string(kWheelOrder[static_cast<size_t>((arc.start + i) % kNumberCount)]);
    return EvidenceText::tr("%1 szomszédos zseb íve (%2)").arg(QString::number(arc.width), q(pockets)).toStdString();
}

std::string carrierLine(const Evidence &evidence)
{
    if (evidence.spins == 0)
        return EvidenceText::tr("Még nincs pörgetés: nincs mit vizsgálni.").toStdString();
    const SetEvidence &s = evidence.strongest;
    return EvidenceText::tr("A bizonyítékot leginkább %1 hordozza: %2 találat, várható %3.", nullptr,
                            pluralCount(s.hits))
        .arg(q(arcName(s.arc)), q(formatInteger(s.hits)), q(formatDecimal(s.expected, 1)))
        .toStdString();
}

std::string evidenceExplanation()
{
    return EvidenceText::tr(
               "A bizonyíték azt méri, hányszor jobban illik az előzményekhez egy torzított kerék (egy szám vagy "
               "szomszédos zsebek íve gyakoribb vagy ritkább), mint a szabályos. Akárhányszor nézi is a játékos "
               "ugyanazt a növekvő előzményt, szabályos keréken a bizonyíték legfeljebb 5 % eséllyel éri el valaha a "
               "20-szorost, és legfeljebb 1 % eséllyel a 100-szorost. Minden terem, minden szűkített lista és minden "
               "elemzett fájl újabb esély a téves riasztásra. 20 alatt: torzítás nem mutatható ki, 20-tól: gyanús, "
               "100-tól: erős jel.")
        .toStdString();
}

std::string notARecommendationLine()
{
    return EvidenceText::tr("Az ítélet nem tétajánlás: a valódi torzítást új pörgetéseken kell megerősíteni, és még "
                            "akkor is a becslés mondja meg, megveri-e a bank előnyét.")
        .toStdString();
}

std::string oneLookCaption()
{
    return EvidenceText::tr("Részletek egyetlen nézéshez: ezek a próbák egy lezárt előzményre, egyszeri ránézésre "
                            "érvényesek. Pörgetésről pörgetésre nézve előbb-utóbb szabályos keréken is kicsi p-t "
                            "mutatnak, ezért nem mondanak ítéletet.")
        .toStdString();
}

std::string estimateLine(const std::optional<EdgeEstimate> &estimate, bool number)
{
    if (!estimate) {
        const QString line =
            number ? EvidenceText::tr("A legnagyobb eltérést mutató szám becsléséhez legalább %1 pörgetés kell: a "
                                      "program az első %2 pörgetésen választ, és csak a továbbiakon becsül.")
                   : EvidenceText::tr("A legnagyobb eltérést mutató ív becsléséhez legalább %1 pörgetés kell: a "
                                      "program az első %2 pörgetésen választ, és csak a továbbiakon becsül.");
        return line.arg(q(formatInteger(2 * kEstimateMinimum)), q(formatInteger(kEstimateMinimum))).toStdString();
    }
    const EdgeEstimate &e = *estimate;
    const QString found =
        number ? EvidenceText::tr("Az első %1 pörgetésben a legnagyobb eltérést %2 mutatta. A további %3 pörgetésben "
                                  "%4 találata volt, így a játékos becsült előnye a rá tett tétnél %5; a 95 %-os "
                                  "tartomány, amely minden pörgetés után nézve is érvényes: %6 … %7.",
                                  nullptr, pluralCount(e.hits))
               : EvidenceText::tr("Az első %1 pörgetésben a legnagyobb eltérést %2 mutatta. A további %3 pörgetésben "
                                  "%4 találata volt, így a játékos becsült előnye az ívre egyenlően elosztott tétnél "
                                  "%5; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: %6 … %7.",
                                  nullptr, pluralCount(e.hits));
    const std::string out = found
                                .arg(q(formatInteger(e.chosenOn)), q(arcName(e.arc)), q(formatInteger(e.spins)),
                                     q(formatInteger(e.hits)), q(percent(e.edge)), q(percent(e.low)),
                                     q(percent(e.high)))
                                .toStdString() +
                            " ";
    if (e.low > 0)
        return out + EvidenceText::tr("A tartomány egésze 0 fölött van: ez a tét megverné a bankot.").toStdString();
    const QString fair = q(percentText(formatDecimal(kFairEdge * 100, 1)));
    QString reading;
    if (e.low <= kFairEdge && kFairEdge <= e.high)
        reading = EvidenceText::tr("A tartomány tartalmazza a %1-ot, a játékos előnyét szabályos keréken bármely "
                                   "tétnél: a szabályos keréktől nem látszik eltérés.");
    else if (e.high < kFairEdge)
        reading = EvidenceText::tr("A tartomány egésze %1 alatt van: ez a tét rosszabb, mint a szabályos keréken.");
    else
        reading = EvidenceText::tr("A tartomány %1 fölött van, de a 0-t is tartalmazza: eltérés látszik, de nem "
                                   "biztos, hogy a tét megverné a bankot.");
    return out + reading.arg(fair).toStdString();
}

std::string sampleSizeLine()
{
    std::string spins, beyond;
    for (size_t i = 0; i < kSpinsToFlag.size(); ++i) {
        const QString count = q(formatInteger(kSpinsToFlag[i]));
        spins += i ? " / " : "";
        if (kSpinsToFlag[i] <= SpinHistory::kCapacity) {
            spins += count.toStdString();
            continue;
        }
        spins += EvidenceText::tr("%1 (a program előzményénél hosszabb)").arg(count).toStdString();
        beyond += ' ';
        beyond += EvidenceText::tr("A %1-kal gyakoribb számot a program %2 pörgetéses előzményében a "
                                   "szimulált előzmények csak kb. %3-a jelzi gyanúsnak.")
                      .arg(q(percentText(formatDecimal(kFlagExcess[i] * 100, 0))),
                           q(formatInteger(SpinHistory::kCapacity)),
                           q(percentText(formatDecimal(kFlaggedWithinCapacity[i] * 100, 0))))
                      .toStdString();
    }
    return EvidenceText::tr("Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a minden pörgetés után "
                            "nézett bizonyíték a szimulált előzmények 80 %-ában kb. %1 pörgetésen belül éri el a "
                            "20-szorost (gyanús).")
               .arg(q(spins))
               .toStdString() +
           beyond;
}

std::string betsCaption(std::int64_t spins)
{
    return EvidenceText::tr(
               "%1 pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél ennyi az esélye, hogy a "
               "szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen leghosszabb kimaradás esélye "
               "ennyi pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása ennyi pörgetés alatt "
               "legalább ekkora legyen. %2 tét között gyakran akad olyan, amelynél 1 % alatti az esély. Kiemelt "
               "cella csak ott van, ahol a kimaradás egy %3 pörgetéses előzmény leghosszabb kimaradásaként is ritka, "
               "mind %4 tétet számba véve: szabályos keréken, minden pörgetés után nézve, egy ilyen hosszú "
               "előzményben legfeljebb kb. 1 % eséllyel jelenik meg valaha bármilyen kiemelés.",
               nullptr, pluralCount(spins))
        .arg(q(formatInteger(spins)), q(formatInteger(kBetCount)), q(formatInteger(sessionSpins(spins))),
             q(withArticle(kBetCount)))
        .toStdString();
}

} // namespace vintaro
