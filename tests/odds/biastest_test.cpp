// The bias test against closed forms of the chi-square and binomial tails,
// Holm's adjustment, the verdicts and the sample-size figures.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "odds/biastest.h"
#include "odds/report.h"

namespace vintaro {
namespace {

// Chi-square upper tail for even degrees of freedom 2k:
// e^(-x/2) (1 + x/2 + ... + (x/2)^(k-1) / (k-1)!); and for 3 degrees.
double evenTail(double x, int degrees)
{
    double term = 1, sum = 1;
    for (int i = 1; i < degrees / 2; ++i)
        sum += term *= x / 2 / i;
    return std::exp(-x / 2) * sum;
}
double tail3(double x) { return std::erfc(std::sqrt(x / 2)) + std::sqrt(2 * x / M_PI) * std::exp(-x / 2); }

const BiasLine &line(const BiasReport &r, const std::string &name)
{
    for (const BiasLine &l : r.lines)
        if (l.name == name)
            return l;
    ADD_FAILURE() << "no line " << name;
    return r.lines.front();
}

TEST(BiasTest, ChiSquareLinesAgainstClosedForms)
{
    NumberCounts counts{};
    for (int n = 0; n < kNumberCount; ++n)
        counts[size_t(n)] = 20 + (n * 7) % 11; // uneven, 925 spins
    const BiasReport r = biasTests(counts);
    ASSERT_TRUE(r.numberTest);
    ASSERT_EQ(r.lines.size(), 8u);

    const double mean = double(r.spins) / 37;
    double numbers = 0;
    for (auto c : counts)
        numbers += (c - mean) * (c - mean) / mean;
    EXPECT_NEAR(line(r, "A 37 szám").statistic, numbers, 1e-9);
    EXPECT_EQ(line(r, "A 37 szám").degrees, 36);
    EXPECT_NEAR(line(r, "A 37 szám").p, evenTail(numbers, 36), 1e-10);

    const BiasLine &colours = line(r, "Piros / fekete / zéró");
    EXPECT_EQ(colours.degrees, 2);
    EXPECT_NEAR(colours.p, std::exp(-colours.statistic / 2), 1e-12);
    const BiasLine &thirds = line(r, "Harmadok és zéró");
    EXPECT_EQ(thirds.degrees, 3);
    EXPECT_NEAR(thirds.p, tail3(thirds.statistic), 1e-12);
    EXPECT_EQ(line(r, "Voisins du zéro / Tiers du cylindre / Orphelins").degrees, 2);
    // Tables: chi-square with 36 degrees exceeds 50,998 with chance 0,05.
    EXPECT_NEAR(evenTail(50.998, 36), 0.05, 1e-4);
}

TEST(BiasTest, HottestArcIsCorrectedForLookingAtAll37)
{
    NumberCounts counts{};
    counts.fill(10);
    counts[0] = counts[32] = counts[26] = 40; // 26 0 32 neighbour on the wheel
    const BiasReport r = biasTests(counts);
    const BiasLine &arc = line(r, "Legforróbb 3-as ív");
    EXPECT_EQ(arc.arcHits, 120);
    EXPECT_EQ(arc.arcCentre, 0);
    EXPECT_NEAR(arc.arcExpected, 460 * 3 / 37.0, 1e-9);
    // Binomial upper tail P(X >= 120), X ~ Bin(460, 3/37), summed directly.
    double single = 0;
    for (int k = 120; k <= 460; ++k)
        single += std::exp(std::lgamma(461) - std::lgamma(k + 1) - std::lgamma(461 - k) + k * std::log(3 / 37.0) +
                           (460 - k) * std::log(34 / 37.0));
    EXPECT_NEAR(arc.p, 37 * single, 1e-6 * 37 * single);

    counts.fill(10); // a fair-looking wheel: every arc is as hot as the hottest
    EXPECT_EQ(line(biasTests(counts), "Legforróbb 9-es ív").p, 1.0);

    // A tie of arcs goes to the one whose middle pocket came most: a history
    // of 20s alone is named after 20, whatever the width.
    counts.fill(0);
    counts[20] = 50;
    for (const char *name : {"Legforróbb 3-as ív", "Legforróbb 5-ös ív", "Legforróbb 9-es ív"})
        EXPECT_EQ(line(biasTests(counts), name).arcCentre, 20) << name;
}

TEST(BiasTest, HolmAndTheShortHistory)
{
    const std::vector<double> adjusted = holmAdjust({0.01, 0.04, 0.03, 0.005});
    const std::vector<double> expected = {0.03, 0.06, 0.06, 0.02};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(adjusted[i], expected[i], 1e-12);

    NumberCounts counts{};
    counts.fill(5);
    counts[0] = 4; // 184 spins: too few for the 37 numbers, the rest are given
    EXPECT_FALSE(biasTests(counts).numberTest);
    EXPECT_EQ(biasTests(counts).lines.size(), 7u);
    counts[0] = 5;
    EXPECT_TRUE(biasTests(counts).numberTest);
    EXPECT_TRUE(biasTests(NumberCounts{}).lines.empty());
}

TEST(Report, PlainTextOfAFile)
{
    SpinFileAnalysis analysis;
    std::vector<std::int16_t> spins(200, 17);
    analysis.tally.add(spins);
    analysis.junk = 2;
    analysis.firstJunkLine = 3;
    analysis.firstJunkText = "abc";
    std::ostringstream out;
    writeAnalysisReport(out, "f.txt", analysis);
    const std::string text = out.str();
    for (const char *expected : {"Pörgetések: 200", "2 elem nem 0 és 36 közötti szám, ezek kimaradtak az elemzésből; "
                                 "az első a 3. sorban: \"abc\"", "A 37 szám", "Ítélet: erős jel; a bizonyíték több mint",
                                 "leginkább a 17-es szám hordozza: 200 találat, várható 5,4", "nem tétajánlás",
                                 "Az első 64 pörgetésben a legnagyobb eltérést a 17-es szám mutatta",
                                 "+3\xE2\x80\xAF" "500,0 %", "egésze 0 fölött", "Voisins du zéro", "Szf.: szabadsági fok",
                                 "Ennyiből egyszer", "Ilyen leghosszabb kimaradás esélye ennyi pörgetésben", "Oszlop  M D",
                                 "Minden pörgetés független"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("Ítélet  "), std::string::npos) << "the tests for one look give no verdict";

    // One token that is no number.
    analysis.junk = 1;
    analysis.firstJunkLine = 5;
    std::ostringstream one;
    writeAnalysisReport(one, "f.txt", analysis);
    EXPECT_NE(one.str().find("1 elem nem 0 és 36 közötti szám, ez kimaradt az elemzésből; az 5. sorban"), std::string::npos)
        << one.str();
}

} // namespace
} // namespace vintaro
