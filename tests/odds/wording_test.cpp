// Every sentence of the odds and systems windows that a player reads, word
// for word, and the borders where the amount of evidence is rounded.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "odds/evidencetext.h"
#include "odds/oddstext.h"
#include "odds/spinfile.h"
#include "systems/systemstext.h"

namespace vintaro {
namespace {

Evidence evidenceOf(double e, std::int64_t spins = 100)
{
    Evidence out;
    out.spins = spins;
    out.logE = std::log(e);
    return out;
}

Evidence carriedBy(PocketArc arc, std::int64_t hits, double expected)
{
    Evidence out = evidenceOf(30);
    out.strongest.arc = arc;
    out.strongest.hits = hits;
    out.strongest.expected = expected;
    return out;
}

EdgeEstimate estimateOf(PocketArc arc, double edge, double low, double high)
{
    EdgeEstimate e;
    e.arc = arc;
    e.chosenOn = 16384;
    e.spins = 3616;
    e.hits = 100;
    e.edge = edge;
    e.low = low;
    e.high = high;
    return e;
}

SpinFileAnalysis junkOf(std::int64_t junk, std::int64_t line)
{
    SpinFileAnalysis a;
    a.junk = junk;
    a.firstJunkLine = line;
    a.firstJunkText = "abc";
    return a;
}

Summary agreementOf(double mean, double low, double high)
{
    Summary s;
    s.meanExcess = mean;
    s.excessLow = low;
    s.excessHigh = high;
    return s;
}

#define NB "\u202F" // the narrow no-break space between thousands

TEST(Wording, EverySentenceAndTheRoundingBorders)
{
    const PocketArc seventeen{1, wheelIndex(17)};
    const PocketArc nine{9, wheelIndex(22)};
    const std::string later = "A további 3" NB "616 pörgetésben 100 találata volt, így a játékos becsült előnye ";
    const std::string range = "; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: ";
    const struct
    {
        std::string shown, expected;
    } rows[] = {
        // The amount never rounds up to a verdict's border.
        {evidenceAmount(0.04), "0-szoros"},
        {evidenceAmount(2.34), "2,3-szeres"},
        {evidenceAmount(9.94), "9,9-szeres"},
        {evidenceAmount(9.96), "10-szeres"},
        {evidenceAmount(19.49), "19-szeres"},
        {evidenceAmount(19.5), "19,5-szeres"},
        {evidenceAmount(19.897), "19,8-szeres"},
        {evidenceAmount(19.9999), "19,9-szeres"},
        {evidenceAmount(20), "20-szoros"},
        {evidenceAmount(20.4), "20-szoros"},
        {evidenceAmount(99.49), "99-szeres"},
        {evidenceAmount(99.96), "99,9-szeres"},
        {evidenceAmount(100), "100-szoros"},
        {evidenceAmount(999999.4), "999" NB "999-szeres"},
        {evidenceAmount(1e6), "több mint 1" NB "000" NB "000-szoros"},
        // The verdict.
        {verdictLine(evidenceOf(19.897)), "Ítélet: torzítás nem mutatható ki; a bizonyíték 19,8-szeres."},
        {verdictLine(evidenceOf(2.34)), "Ítélet: torzítás nem mutatható ki; a bizonyíték 2,3-szeres."},
        {verdictLine(evidenceOf(0.4)), "Ítélet: torzítás nem mutatható ki; a bizonyíték 0,4-szeres, vagyis az előzmények "
                                       "jobban illenek a szabályos kerékhez, mint egy torzítotthoz."},
        {verdictLine(evidenceOf(1, 0)), "Ítélet: torzítás nem mutatható ki; a bizonyíték 1-szeres."},
        {verdictLine(evidenceOf(20.000001)), "Ítélet: gyanús; a bizonyíték 20-szoros."},
        {verdictLine(evidenceOf(99.96)), "Ítélet: gyanús; a bizonyíték 99,9-szeres."},
        {verdictLine(evidenceOf(150)), "Ítélet: erős jel; a bizonyíték 150-szeres."},
        // What carries it.
        {carrierLine(carriedBy({1, wheelIndex(5)}, 20, 10.8)),
         "A bizonyítékot leginkább az 5-ös szám hordozza: 20 találat, várható 10,8."},
        {carrierLine(carriedBy(nine, 300, 243.2)), "A bizonyítékot leginkább 9 szomszédos zseb íve (22, 18, 29, 7, 28, "
                                                   "12, 35, 3, 26) hordozza: 300 találat, várható 243,2."},
        {arcName({1, wheelIndex(0)}), "a 0-s szám"},
        {arcName({1, wheelIndex(1)}), "az 1-es szám"},
        {arcName({1, wheelIndex(3)}), "a 3-as szám"},
        {arcName({1, wheelIndex(6)}), "a 6-os szám"},
        {arcName({1, wheelIndex(10)}), "a 10-es szám"},
        {arcName({1, wheelIndex(20)}), "a 20-as szám"},
        {arcName({1, wheelIndex(30)}), "a 30-as szám"},
        {arcName({1, wheelIndex(35)}), "a 35-ös szám"},
        {evidenceExplanation(),
         "A bizonyíték azt méri, hányszor jobban illik az előzményekhez egy torzított kerék (egy szám vagy szomszédos "
         "zsebek íve gyakoribb vagy ritkább), mint a szabályos. Akárhányszor nézi is a játékos ugyanazt a növekvő "
         "előzményt, szabályos keréken a bizonyíték legfeljebb 5 % eséllyel éri el valaha a 20-szorost, és legfeljebb "
         "1 % eséllyel a 100-szorost. Minden terem, minden szűkített lista és minden elemzett fájl újabb esély a téves "
         "riasztásra. 20 alatt: torzítás nem mutatható ki, 20-tól: gyanús, 100-tól: erős jel."},
        {notARecommendationLine(), "Az ítélet nem tétajánlás: a valódi torzítást új pörgetéseken kell megerősíteni, és "
                                   "még akkor is a becslés mondja meg, megveri-e a bank előnyét."},
        // The estimate and its four readings.
        {estimateLine(std::nullopt, true), "A legnagyobb eltérést mutató szám becsléséhez legalább 32 pörgetés kell: a "
                                           "program az első 16 pörgetésen választ, és csak a továbbiakon becsül."},
        {estimateLine(std::nullopt, false), "A legnagyobb eltérést mutató ív becsléséhez legalább 32 pörgetés kell: a "
                                            "program az első 16 pörgetésen választ, és csak a továbbiakon becsül."},
        {estimateLine(estimateOf(seventeen, -0.004, -0.2, 0.25), true),
         "Az első 16" NB "384 pörgetésben a legnagyobb eltérést a 17-es szám mutatta. " + later +
             "a rá tett tétnél -0,4 %" + range +
             "-20,0 % … +25,0 %. A tartomány tartalmazza a -2,7 %-ot, a játékos előnyét szabályos keréken bármely "
             "tétnél: a szabályos keréktől nem látszik eltérés."},
        {estimateLine(estimateOf(nine, 0.3, 0.05, 0.6), false),
         "Az első 16" NB "384 pörgetésben a legnagyobb eltérést 9 szomszédos zseb íve (22, 18, 29, 7, 28, 12, 35, 3, "
         "26) mutatta. " + later + "az ívre egyenlően elosztott tétnél +30,0 %" + range +
             "+5,0 % … +60,0 %. A tartomány egésze 0 fölött van: ez a tét megverné a bankot."},
        {estimateLine(estimateOf(seventeen, -0.5, -0.7, -0.3), true),
         "Az első 16" NB "384 pörgetésben a legnagyobb eltérést a 17-es szám mutatta. " + later +
             "a rá tett tétnél -50,0 %" + range +
             "-70,0 % … -30,0 %. A tartomány egésze -2,7 % alatt van: ez a tét rosszabb, mint a szabályos keréken."},
        {estimateLine(estimateOf(seventeen, 0.1, -0.01, 0.2), true),
         "Az első 16" NB "384 pörgetésben a legnagyobb eltérést a 17-es szám mutatta. " + later +
             "a rá tett tétnél +10,0 %" + range +
             "-1,0 % … +20,0 %. A tartomány -2,7 % fölött van, de a 0-t is tartalmazza: eltérés látszik, de nem "
             "biztos, hogy a tét megverné a bankot."},
        {sampleSizeLine(),
         "Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a minden pörgetés után nézett bizonyíték a "
         "szimulált előzmények 80 %-ában kb. 97" NB "600 (a program előzményénél hosszabb) / 24" NB "400 / 4" NB
         "500 pörgetésen belül éri el a 20-szorost (gyanús). A 10 %-kal gyakoribb számot a program 32" NB "736 "
         "pörgetéses előzményében a szimulált előzmények csak kb. 12 %-a jelzi gyanúsnak."},
        // The bet table.
        {betsCaption(200),
         "200 pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél ennyi az esélye, hogy a "
         "szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen leghosszabb kimaradás esélye ennyi "
         "pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora "
         "legyen. 55 tét között gyakran akad olyan, amelynél 1 % alatti az esély. Kiemelt cella csak ott van, ahol a "
         "kimaradás egy 32" NB "736 pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind az 55 tétet számba "
         "véve: szabályos keréken, minden pörgetés után nézve, egy ilyen hosszú előzményben legfeljebb kb. 1 % "
         "eséllyel jelenik meg valaha bármilyen kiemelés."},
        // A file longer than a history: its own length.
        {betsCaption(10'000'000).substr(betsCaption(10'000'000).find("Kiemelt"), 88),
         "Kiemelt cella csak ott van, ahol a kimaradás egy 10" NB "000" NB "000 pörgetéses előzmény"},
        {junkLine(junkOf(2, 3)),
         "2 elem nem 0 és 36 közötti szám, ezek kimaradtak az elemzésből; az első a 3. sorban: \"abc\"."},
        {junkLine(junkOf(1, 5)), "1 elem nem 0 és 36 közötti szám, ez kimaradt az elemzésből; az 5. sorban: \"abc\"."},
        {honestyLine(), "Minden pörgetés független az előzőktől: egyik táblázat sem jósolja meg a következő számot, és "
                        "szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el."},
        // Chances: three significant digits below 10 %.
        {formatChance(0.5), "50,0 %"},
        {formatChance(0.09996), "10,0 %"},
        {formatChance(std::pow(19.0 / 37, 6)), "1,83 %"},
        {formatChance(0.0099949), "0,999 %"},
        {formatChance(0.00999951), "1,00 %"},
        {formatChance(0.000123), "0,0123 %"},
        {formatChance(1.23e-6), "0,000123 %"},
        {formatChance(5e-7), "< 0,0001 %"},
        {shareText(std::pow(19.0 / 37, 6)), "1,83 %"},
        {shareText(0.0035), "0,350 %"},
        {shareText(0.0999), "9,99 %"},
        {shareText(0.486), "48,6 %"},
        {shareText(0), "0,0 %"},
        {shareText(1), "100,0 %"},
        // Systems.
        {fixedLine(), "Szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el, bármilyen tétrendszerrel: "
                      "ez az egy tétegységre jutó veszteség rögzített. A tétrendszer azt változtatja meg, mennyit tesz "
                      "fel a játékos, és hogyan oszlik el az eredmény (sok kis nyereség és ritka nagy veszteség, vagy "
                      "fordítva); ezért egy menet átlagos vesztesége rendszerenként más, de mindig az összes tét 1/37 "
                      "része."},
        {agreementLine(agreementOf(-0.12, -0.5, 0.26)),
         "Az eredmény és a várható eredmény (−tét/37) menetenkénti különbségének átlaga -0,12, 95 %-os tartománya "
         "-0,50 … 0,26. A tartomány tartalmazza a 0-t: a rendszer a ház részén nem változtat."},
        {agreementLine(agreementOf(0.75, 0.25, 1.25)),
         "Az eredmény és a várható eredmény (−tét/37) menetenkénti különbségének átlaga 0,75, 95 %-os tartománya "
         "0,25 … 1,25. A tartomány most nem tartalmazza a 0-t; szabályos keréken ez nagyjából húsz futásból egyszer a "
         "véletlen műve. Több menet szűkíti a tartományt."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.shown, row.expected);
}

} // namespace
} // namespace vintaro
