#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "core/session.h"
#include "core/wheel.h"
#include "core/wheelstatistics.h"

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
    // The wheel order where it lives: 19, 4, 21 stand side by side.
    EXPECT_EQ(neighbourSet(4, 1), NumberSet().set(19).set(4).set(21));
    EXPECT_EQ(neighbourSet(26, 2), NumberSet().set(35).set(3).set(26).set(0).set(32));
    EXPECT_EQ(neighbourSet(17, 4).count(), 9u);
    EXPECT_EQ(neighbourSet(5, 18).count(), 37u);
    EXPECT_TRUE(neighbourSet(37, 1).none());
}

namespace {

// Hits, spins after the last hit and the longest run of misses, counted spin
// by spin.
Figures plainCount(const std::vector<std::int16_t> &spins, const NumberSet &set)
{
    Figures f;
    int run = 0;
    for (std::int16_t x : spins) {
        const bool hit = x >= 0 && x <= 36 && set.test(size_t(x));
        f.hits += hit;
        run = hit ? 0 : run + 1;
        f.longest = std::max(f.longest, run);
    }
    f.current = run;
    return f;
}

} // namespace

TEST(WheelStatistics, SectorsAndNeighboursCountLikeTheOutsideBets)
{
    std::mt19937 random(2011);
    for (int length : {0, 1, 5, 200, 3000}) {
        std::vector<std::int16_t> spins;
        for (int i = 0; i < length; ++i)
            spins.push_back(std::int16_t(random() % 37));
        Session session;
        session.load(spins);

        std::vector<NumberSet> sets;
        for (Sector s : kSectors)
            sets.push_back(sectorSet(s));
        for (int k : {0, 1, 4})
            sets.push_back(neighbourSet(26, k));
        for (int r = 0; r < kRowCount; ++r) { // an outside bet as a set of pockets
            NumberSet row;
            for (int n = 1; n <= 36; ++n)
                row.set(size_t(n), isRowMember(r, n));
            sets.push_back(row);
        }
        const std::vector<Figures> figures = setFigures(spins, sets);
        ASSERT_EQ(figures.size(), sets.size());
        for (size_t s = 0; s < sets.size(); ++s)
            EXPECT_EQ(figures[s], plainCount(spins, sets[s])) << "length " << length << " set " << s;
        for (int r = 0; r < kRowCount && length > 0; ++r)
            EXPECT_EQ(figures[7 + size_t(r)], session.figures()[size_t(r)]) << "row " << r;

        const PocketValues absences = currentAbsences(spins);
        for (int n = 0; n <= 36; ++n) {
            EXPECT_EQ(absences[size_t(n)], plainCount(spins, NumberSet().set(size_t(n))).current) << n;
            for (int window : {0, 37, 185}) {
                const size_t from = window == 0 ? 0 : spins.size() - std::min(spins.size(), size_t(window));
                const int hits = int(std::count(spins.begin() + long(from), spins.end(), n));
                EXPECT_EQ(recentHits(spins, window)[size_t(n)], hits) << n << " in the last " << window;
            }
        }
        for (int n = 1; n <= 36 && length > 0; ++n)
            EXPECT_EQ(absences[size_t(n)], session.absence(n)) << n;
    }
}
