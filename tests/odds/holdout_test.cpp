// The estimate on the second half of a candidate chosen on the first half,
// and what its interval says in words.
#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>

#include "odds/evidencetext.h"
#include "odds/holdout.h"

namespace vintaro {
namespace {

TEST(HoldOut, ChoosesOnTheFirstHalfAndEstimatesOnTheSecond)
{
    NumberCounts first{}, second{}, whole{};
    first.fill(10);
    first[5] = 20; // the first half's hot number
    second.fill(10);
    second[5] = 10; // cools down
    second[9] = 30; // a hot number of the second half is never chosen
    for (size_t x = 0; x < 37; ++x)
        whole[x] = first[x] + second[x];
    const EdgeEstimates e = holdOutEstimates(first, whole);
    ASSERT_TRUE(e.number && e.arc);
    EXPECT_EQ(e.number->arc.width, 1);
    EXPECT_EQ(e.number->arc.centre(), 5);
    EXPECT_EQ(e.number->chosenOn, 380);
    EXPECT_EQ(e.number->spins, 390);
    EXPECT_EQ(e.number->hits, 10);
    EXPECT_NEAR(e.number->edge, 36.0 * 10 / 390 - 1, 1e-12);
    // Clopper–Pearson from the beta quantiles.
    const double low = boost::math::quantile(boost::math::beta_distribution<double>(10, 381), 0.025);
    const double high = boost::math::quantile(boost::math::beta_distribution<double>(11, 380), 0.975);
    EXPECT_NEAR(e.number->low, 36 * low - 1, 1e-9);
    EXPECT_NEAR(e.number->high, 36 * high - 1, 1e-9);
    EXPECT_TRUE(e.arc->arc.contains(5));
    std::int64_t arcHits = 0;
    for (int x = 0; x < 37; ++x)
        arcHits += e.arc->arc.contains(x) ? second[size_t(x)] : 0;
    EXPECT_EQ(e.arc->hits, arcHits);
    EXPECT_NEAR(e.arc->edge, 36.0 / e.arc->arc.width * double(arcHits) / 390 - 1, 1e-12);

    const std::string words = estimateLine(e.number, true);
    EXPECT_NE(words.find("egyetlen szám: 5"), std::string::npos) << words;
    EXPECT_NE(words.find("nem látszik eltérés"), std::string::npos) << words;

    // Too few spins in a half: no estimate, and the line says why.
    NumberCounts few{};
    few[3] = 9;
    EXPECT_FALSE(holdOutEstimates(few, whole).number);
    EXPECT_NE(estimateLine(std::nullopt, false).find("legalább 20 pörgetés"), std::string::npos);
}

TEST(HoldOut, WordsOfTheInterval)
{
    EdgeEstimate beats;
    beats.arc = {1, 0};
    beats.low = 0.01;
    beats.high = 0.3;
    EXPECT_NE(estimateLine(beats, true).find("megverné a bankot"), std::string::npos);
    EdgeEstimate worse = beats;
    worse.low = -0.5;
    worse.high = -0.1;
    EXPECT_NE(estimateLine(worse, true).find("rosszabb"), std::string::npos);
    EdgeEstimate between = beats;
    between.low = -0.01;
    EXPECT_NE(estimateLine(between, false).find("nem biztos"), std::string::npos);
}

} // namespace
} // namespace vintaro
