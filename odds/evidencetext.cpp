#include "odds/evidencetext.h"

#include <cmath>

#include "core/textformat.h"
#include "odds/bettable.h"

namespace vintaro {

namespace {

std::string percent(double fraction)
{
    std::string out(fraction > 0 ? "+" : "");
    out += formatDecimal(fraction * 100, 1);
    return out + " %";
}

} // namespace

std::string evidenceAmount(double e)
{
    if (!(e < 1e6))
        return "több mint " + timesText(1'000'000);
    if (e < 9.95) {
        const double tenths = std::round(e * 10);
        if (std::fmod(tenths, 10) != 0) // "… egész négy tized": -szeres
            return formatDecimal(tenths / 10, 1) + "-szeres";
        return timesText(std::llround(tenths / 10));
    }
    return timesText(std::llround(e));
}

std::string verdictLine(const Evidence &evidence)
{
    return "Ítélet: " + std::string(evidenceVerdict(evidence.value())) + " (bizonyíték: " +
           evidenceAmount(evidence.value()) + ")";
}

std::string arcName(const PocketArc &arc)
{
    if (arc.width == 1)
        return "egyetlen szám: " + std::to_string(arc.centre());
    std::string out = std::to_string(arc.width) + " szomszédos zseb íve: ";
    for (int i = 0; i < arc.width; ++i)
        out += (i ? ", " : "") + std::to_string(kWheelOrder[static_cast<size_t>((arc.start + i) % kNumberCount)]);
    return out;
}

std::string carrierLine(const Evidence &evidence)
{
    if (evidence.spins == 0)
        return "Még nincs pörgetés: nincs mit vizsgálni.";
    const SetEvidence &s = evidence.strongest;
    return "Leginkább ezt mutatja: " + arcName(s.arc) + " (" + formatInteger(s.hits) + " találat, várható " +
           formatDecimal(s.expected, 1) + ").";
}

std::string evidenceExplanation()
{
    return "A bizonyíték azt méri, hányszor jobban illik az előzményekhez egy torzított kerék (egy szám vagy "
           "szomszédos zsebek íve gyakoribb vagy ritkább), mint a szabályos. Akárhányszor nézzük is, egy "
           "szabályos kerék legfeljebb 5 % eséllyel ér el valaha 20-szorost, és legfeljebb 1 % eséllyel "
           "100-szorost. 20 alatt: nem mutatható ki (ennyi adatból), 20-tól: gyanús, 100-tól: erős jel.";
}

std::string notARecommendationLine()
{
    return "Az ítélet nem tét-ajánlás: a valódi torzítást új pörgetéseken kell megerősíteni, és még akkor is "
           "a becslés mondja meg, megveri-e a bank előnyét.";
}

std::string oneLookCaption()
{
    return "Részletek egyetlen nézéshez: ezek a próbák egy lezárt előzményre, egyszeri ránézésre érvényesek. "
           "Pörgetésről pörgetésre nézve előbb-utóbb szabályos keréken is kicsi p-t mutatnak, ezért nem "
           "mondanak ítéletet.";
}

std::string estimateLine(const std::optional<EdgeEstimate> &estimate, bool number)
{
    const std::string what = number ? "Becslés a legerősebb számra: " : "Becslés a legerősebb ívre: ";
    if (!estimate)
        return what + "ehhez legalább " + formatInteger(2 * kEstimateMinimum) +
               " pörgetés kell (a jelöltet az első felén választom, a második felén becslem).";
    const EdgeEstimate &e = *estimate;
    std::string out = what + arcName(e.arc) + " (az első " + formatInteger(e.chosenOn) +
                      " pörgetés alapján választva). A további " + formatInteger(e.spins) + " pörgetésben " +
                      formatInteger(e.hits) + " találat: a játékos becsült előnye " +
                      (number ? "a számra tett tétnél " : "az ívre egyenlően elosztott tétnél ") + percent(e.edge) +
                      " (95 %-os tartomány: " + percent(e.low) + " … " + percent(e.high) + "). ";
    if (e.low > 0)
        return out + "A tartomány egésze 0 fölött van: ez a tét megverné a bankot.";
    const std::string fair = formatDecimal(kFairEdge * 100, 1) + " %";
    if (e.low <= kFairEdge && kFairEdge <= e.high)
        return out + "A tartomány tartalmazza a " + fair +
               "-ot (a szabályos kerék előnye minden tétnél): a szabályos keréktől nem látszik eltérés.";
    if (e.high < kFairEdge)
        return out + "A tartomány egésze " + fair + " alatt van: ez a tét rosszabb, mint a szabályos keréken.";
    return out + "A tartomány " + fair + " fölött van, de a 0-t is tartalmazza: eltérés látszik, de nem "
                 "biztos, hogy a tét megverné a bankot.";
}

std::string sampleSizeLine()
{
    std::string out = "Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a bizonyíték a játszmák 80 %-ában "
                      "kb. ";
    for (size_t i = 0; i < kSpinsToFlag.size(); ++i)
        out += (i ? " / " : "") + formatInteger(kSpinsToFlag[i]);
    return out + " pörgetésen belül éri el a 20-szorost (gyanús; szimulációval mérve).";
}

std::string betsCaption(std::int64_t spins)
{
    return formatInteger(spins) + " pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél "
           "ennyi az esélye, hogy a szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen "
           "leghosszabb esélye ennyi pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása ennyi "
           "pörgetés alatt legalább ekkora legyen. " + formatInteger(kBetCount) +
           " tét mellett gyakori, hogy valamelyiknél 1 % alatti esély áll; csak az a cella kiemelt, amelyik "
           "mind " + withArticle(kBetCount) + " tétet számba véve is 1 % alatt marad.";
}

} // namespace vintaro
