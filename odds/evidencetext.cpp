#include "odds/evidencetext.h"

#include <cmath>

#include "core/textformat.h"
#include "core/spinhistory.h"
#include "odds/bettable.h"

namespace vintaro {

namespace {

std::string percent(double fraction)
{
    std::string out(fraction > 0 ? "+" : "");
    out += formatDecimal(fraction * 100, 1);
    return out + " %";
}

// "a 17-es szám", "az 5-ös szám", "a 0-s szám".
std::string numberName(int number)
{
    static constexpr std::string_view units[10] = {"", "-es", "-es", "-as", "-es", "-ös", "-os", "-es", "-as", "-es"};
    static constexpr std::string_view tens[4] = {"-s", "-es", "-as", "-as"}; // 0, 10, 20, 30
    const std::string_view suffix = number % 10 ? units[number % 10] : tens[(number / 10) % 4];
    return withArticle(number) + std::string(suffix) + " szám";
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
    // Just below a verdict's border the amount keeps a decimal, cut rather
    // than rounded: 19,9 stays below the 20 where "gyanús" begins.
    for (double border : {kSuspiciousEvidence, kStrongEvidence})
        if (e < border && double(std::llround(e)) >= border)
            return formatDecimal(std::min(std::floor(e * 10) / 10, border - 0.1), 1) + "-szeres";
    return timesText(std::llround(e));
}

std::string verdictLine(const Evidence &evidence)
{
    const double e = evidence.value();
    std::string out = "Ítélet: " + std::string(evidenceVerdict(e)) + "; a bizonyíték " + evidenceAmount(e);
    if (evidence.spins > 0 && e < 1)
        out += ", vagyis az előzmények jobban illenek a szabályos kerékhez, mint egy torzítotthoz";
    return out + ".";
}

std::string arcName(const PocketArc &arc)
{
    if (arc.width == 1)
        return numberName(arc.centre());
    std::string out = std::to_string(arc.width) + " szomszédos zseb íve (";
    for (int i = 0; i < arc.width; ++i)
        out += (i ? ", " : "") + std::to_string(kWheelOrder[static_cast<size_t>((arc.start + i) % kNumberCount)]);
    return out + ")";
}

std::string carrierLine(const Evidence &evidence)
{
    if (evidence.spins == 0)
        return "Még nincs pörgetés: nincs mit vizsgálni.";
    const SetEvidence &s = evidence.strongest;
    return "A bizonyítékot leginkább " + arcName(s.arc) + " hordozza: " + formatInteger(s.hits) +
           " találat, várható " + formatDecimal(s.expected, 1) + ".";
}

std::string evidenceExplanation()
{
    return "A bizonyíték azt méri, hányszor jobban illik az előzményekhez egy torzított kerék (egy szám vagy "
           "szomszédos zsebek íve gyakoribb vagy ritkább), mint a szabályos. Akárhányszor nézi is a játékos "
           "ugyanazt a növekvő előzményt, szabályos keréken a bizonyíték legfeljebb 5 % eséllyel éri el valaha a "
           "20-szorost, és legfeljebb 1 % eséllyel a 100-szorost. Minden terem, minden szűkített lista és minden "
           "elemzett fájl újabb esély a téves riasztásra. 20 alatt: torzítás nem mutatható ki, 20-tól: gyanús, "
           "100-tól: erős jel.";
}

std::string notARecommendationLine()
{
    return "Az ítélet nem tétajánlás: a valódi torzítást új pörgetéseken kell megerősíteni, és még akkor is "
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
    if (!estimate)
        return std::string(number ? "A legnagyobb eltérést mutató szám" : "A legnagyobb eltérést mutató ív") +
               " becsléséhez legalább " + formatInteger(2 * kEstimateMinimum) + " pörgetés kell: a program az első " +
               formatInteger(kEstimateMinimum) + " pörgetésen választ, és csak a továbbiakon becsül.";
    const EdgeEstimate &e = *estimate;
    std::string out = "Az első " + formatInteger(e.chosenOn) + " pörgetésben a legnagyobb eltérést " +
                      arcName(e.arc) + " mutatta. A további " + formatInteger(e.spins) + " pörgetésben " +
                      formatInteger(e.hits) + " találata volt, így a játékos becsült előnye " +
                      (number ? "a rá tett tétnél " : "az ívre egyenlően elosztott tétnél ") + percent(e.edge) +
                      "; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: " + percent(e.low) +
                      " … " + percent(e.high) + ". ";
    if (e.low > 0)
        return out + "A tartomány egésze 0 fölött van: ez a tét megverné a bankot.";
    const std::string fair = formatDecimal(kFairEdge * 100, 1) + " %";
    if (e.low <= kFairEdge && kFairEdge <= e.high)
        return out + "A tartomány tartalmazza a " + fair +
               "-ot, a játékos előnyét szabályos keréken bármely tétnél: a szabályos keréktől nem látszik eltérés.";
    if (e.high < kFairEdge)
        return out + "A tartomány egésze " + fair + " alatt van: ez a tét rosszabb, mint a szabályos keréken.";
    return out + "A tartomány " + fair + " fölött van, de a 0-t is tartalmazza: eltérés látszik, de nem "
                 "biztos, hogy a tét megverné a bankot.";
}

std::string sampleSizeLine()
{
    std::string out = "Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a minden pörgetés után nézett "
                      "bizonyíték a szimulált előzmények 80 %-ában kb. ";
    std::string beyond;
    for (size_t i = 0; i < kSpinsToFlag.size(); ++i) {
        out += (i ? " / " : "") + formatInteger(kSpinsToFlag[i]);
        if (kSpinsToFlag[i] > SpinHistory::kCapacity) {
            out += " (a program előzményénél hosszabb)";
            beyond += " A " + formatDecimal(kFlagExcess[i] * 100, 0) + " %-kal gyakoribb számot a program " +
                      formatInteger(SpinHistory::kCapacity) + " pörgetéses előzményében a szimulált előzmények "
                      "csak kb. " + formatDecimal(kFlaggedWithinCapacity[i] * 100, 0) + " %-a jelzi gyanúsnak.";
        }
    }
    return out + " pörgetésen belül éri el a 20-szorost (gyanús)." + beyond;
}

std::string betsCaption(std::int64_t spins)
{
    const std::int64_t session = sessionSpins(spins);
    return formatInteger(spins) + " pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél "
           "ennyi az esélye, hogy a szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen "
           "leghosszabb kimaradás esélye ennyi pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása "
           "ennyi pörgetés alatt legalább ekkora legyen. " + formatInteger(kBetCount) +
           " tét között gyakran akad olyan, amelynél 1 % alatti az esély. Kiemelt cella csak ott van, ahol a "
           "kimaradás egy " + formatInteger(session) + " pörgetéses előzmény leghosszabb kimaradásaként is "
           "ritka, mind " + withArticle(kBetCount) + " tétet számba véve: szabályos keréken, minden pörgetés után "
           "nézve, egy ilyen hosszú előzményben legfeljebb kb. 1 % eséllyel jelenik meg valaha bármilyen kiemelés.";
}

} // namespace vintaro
