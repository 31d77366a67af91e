#include "physics/SweepAndPrune.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Boxes a scene should never hold; sorted, a pair reported twice would show.
TEST(SweepAndPrune, InsideOutBoxesUseTheirSpanAndNaNBoxesPairWithNothing) {
    const double nan = std::nan("");
    std::vector<SweepAndPrune::Pair> pairs;
    SweepAndPrune().findPairs({AxisAlignedBox({2, 2}, {0, 0}), AxisAlignedBox({1, 1}, {3, 3}),
                               AxisAlignedBox({nan, 0}, {1, 1}),
                               AxisAlignedBox({0.5, 0.5}, {0.6, 0.6})},
                              pairs);
    std::sort(pairs.begin(), pairs.end());
    EXPECT_EQ((std::vector<SweepAndPrune::Pair>{{0, 1}, {0, 3}}), pairs);
}
