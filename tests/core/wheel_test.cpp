#include <gtest/gtest.h>

#include <set>

#include "core/wheel.h"

using namespace vintaro;

TEST(Wheel, OrderHoldsEveryNumberOnceAndSectorsPartitionIt)
{
    std::set<int> seen(kWheelOrder.begin(), kWheelOrder.end());
    EXPECT_EQ(seen.size(), 37u);
    for (int i = 0; i < kNumberCount; ++i)
        EXPECT_EQ(wheelIndex(kWheelOrder[size_t(i)]), i);
    EXPECT_EQ(wheelIndex(37), -1);

    const NumberSet voisins = sectorSet(Sector::Voisins), tiers = sectorSet(Sector::Tiers),
                    orphelins = sectorSet(Sector::Orphelins), jeu = sectorSet(Sector::JeuZero);
    EXPECT_EQ(voisins.count(), 17u);
    EXPECT_EQ(tiers.count(), 12u);
    EXPECT_EQ(orphelins.count(), 8u);
    EXPECT_EQ(jeu.count(), 7u);
    EXPECT_EQ((voisins | tiers | orphelins).count(), 37u);
    EXPECT_TRUE((voisins & tiers).none() && (voisins & orphelins).none() && (tiers & orphelins).none());
    EXPECT_EQ((jeu & voisins), jeu);
    for (int n : {22, 25, 0, 2})
        EXPECT_TRUE(voisins.test(size_t(n))) << n;
    for (int n : {27, 33, 5, 16})
        EXPECT_TRUE(tiers.test(size_t(n))) << n;
    for (int n : {1, 20, 14, 31, 9, 17, 34, 6})
        EXPECT_TRUE(orphelins.test(size_t(n))) << n;
    for (int n : {12, 35, 3, 26, 0, 32, 15})
        EXPECT_TRUE(jeu.test(size_t(n))) << n;
}

TEST(Wheel, NeighboursWrapAcrossTheZeroSeam)
{
    EXPECT_EQ(neighbourSet(0, 1), NumberSet().set(26).set(0).set(32));
    EXPECT_EQ(neighbourSet(26, 2), NumberSet().set(35).set(3).set(26).set(0).set(32));
    EXPECT_EQ(neighbourSet(17, 4).count(), 9u);
    EXPECT_EQ(neighbourSet(5, 18).count(), 37u);
    EXPECT_TRUE(neighbourSet(37, 1).none());
}
