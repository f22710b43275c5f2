// Every sentence of the odds and systems windows that a player reads, word
// for word, and the borders where the amount of evidence is rounded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "odds/evidencetext.h"
#include "odds/oddstext.h"
#include "odds/report.h"
#include "odds/spinfile.h"
#include "systems/systemstext.h"
#include "translations/language.h"

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

// Whether a text still holds a Hungarian letter; the French sector names keep
// their "zéro" in English too.
bool hungarianLeft(std::string text)
{
    for (size_t at; (at = text.find("zéro")) != std::string::npos;)
        text.erase(at, 5);
    for (const char *letter : {"á", "é", "í", "ó", "ö", "ő", "ú", "ü", "ű", "Á", "É", "Í", "Ó", "Ö", "Ő", "Ú", "Ü", "Ű"})
        if (text.find(letter) != std::string::npos)
            return true;
    return false;
}

TEST(Wording, InEnglishEverySentenceOfTheReportReadsEnglish)
{
    int argc = 1;
    char name[] = "odds_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ASSERT_TRUE(installLanguage(app, Language::English));

    const PocketArc seventeen{1, wheelIndex(17)};
    BiasLine arc;
    arc.kind = BiasLine::Kind::Arc;
    arc.name = "Legforróbb 5-ös ív";
    arc.arcCentre = 19;
    arc.arcHits = 1;
    arc.arcExpected = 2.5;
    const struct
    {
        std::string shown, expected;
    } rows[] = {
        {verdictLine(evidenceOf(150)), "Verdict: strong signal; the evidence is 150-fold."},
        {verdictLine(evidenceOf(19.897)), "Verdict: no bias detectable; the evidence is 19.8-fold."},
        {verdictLine(evidenceOf(0.4)), "Verdict: no bias detectable; the evidence is 0.4-fold, that is, the history "
                                       "fits a fair wheel better than a biased one."},
        {evidenceAmount(1e6), "more than 1,000,000-fold"},
        {carrierLine(carriedBy({1, wheelIndex(5)}, 20, 10.8)),
         "The evidence is carried mostly by number 5: 20 hits, 10.8 expected."},
        {carrierLine(carriedBy({1, wheelIndex(5)}, 1, 0.5)),
         "The evidence is carried mostly by number 5: 1 hit, 0.5 expected."},
        {arcName({9, wheelIndex(22)}), "the arc of 9 neighbouring pockets (22, 18, 29, 7, 28, 12, 35, 3, 26)"},
        {estimateLine(estimateOf(seventeen, -0.5, -0.7, -0.3), true),
         "In the first 16,384 spins the largest deviation was shown by number 17. In the next 3,616 spins it had 100 "
         "hits, so the player's estimated edge on a bet on it is -50.0%; the 95% range, which holds even when looked "
         "at after every spin: -70.0% … -30.0%. The whole range lies below -2.7%: this bet is worse than on a fair "
         "wheel."},
        {formatChance(std::pow(19.0 / 37, 6)), "1.83%"},
        {formatChance(5e-7), "< 0.0001%"},
        {formatChance(0.99999), "> 99.9%"},
        {formatPValue(1e-5), "< 0.0001"},
        {tooShortLine(1), "For the test of the 37 numbers, 1 spin is too few: at least 185 are needed (five expected "
                          "hits per number)."},
        {junkLine(junkOf(1, 5)),
         "1 item is not a number from 0 to 36 and was left out of the analysis; it is on line 5: \"abc\"."},
        {junkLine(junkOf(2, 3)),
         "2 items are not numbers from 0 to 36 and were left out of the analysis; the first is on line 3: \"abc\"."},
        {biasName(arc), "Hottest arc of 5 (around 19)"},
        {biasStatistic(arc), "1 hit (expected 2.5)"},
        {betName("Oszlop  P M"), "Columns 1+2"},
        {betName("17"), "17"},
        {formatText(SpinFormat::Utf16ExportCsv), "the program's CSV export in UTF-16, its number column"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.shown, row.expected);
    EXPECT_NE(sampleSizeLine().find("97,600 (longer than the program's history) / 24,400 / 4,500 spins"),
              std::string::npos) << sampleSizeLine();

    // The whole report of a file: English throughout, beside the bet and
    // sector names as English players call them.
    SpinFileAnalysis analysis;
    std::vector<std::int16_t> spins;
    for (int i = 0; i < 200; ++i)
        spins.push_back(std::int16_t(i % 2 ? 17 : (i * 7) % 37));
    analysis.tally.add(spins);
    analysis.format = SpinFormat::ExportCsv;
    analysis.junk = 2;
    analysis.firstJunkLine = 3;
    analysis.firstJunkText = "abc";
    std::ostringstream out;
    writeAnalysisReport(out, "f.txt", analysis);
    const std::string report = out.str();
    EXPECT_FALSE(hungarianLeft(report)) << report;
    for (const char *expected : {"Analysed file: f.txt\nFormat: the program's CSV export, its number column\n"
                                 "Spins: 200\n", "Bias test (against a fair wheel)", "Verdict: strong signal",
                                 "The 37 numbers", "Red / black / zero", "Hottest arc of 9 (around", "d.f.: degrees",
                                 "Chance of this longest absence in this many spins", "Low (1-18)", "2nd dozen",
                                 "Voisins du zéro", "every bet loses 1/37 of its stake"})
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;

    for (QTranslator *translator : app.findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(translator);
    ASSERT_TRUE(installLanguage(app, Language::Hungarian));
    EXPECT_EQ(verdictLine(evidenceOf(150)), "Ítélet: erős jel; a bizonyíték 150-szeres.");
}

} // namespace
} // namespace vintaro
