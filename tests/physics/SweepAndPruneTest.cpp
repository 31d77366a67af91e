#include "physics/SweepAndPrune.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

std::set<SweepAndPrune::Pair> found(SweepAndPrune& sweep,
                                    const std::vector<AxisAlignedBox>& boxes) {
    std::vector<SweepAndPrune::Pair> pairs;
    sweep.findPairs(boxes, pairs);
    std::set<SweepAndPrune::Pair> unique(pairs.begin(), pairs.end());
    EXPECT_EQ(unique.size(), pairs.size()) << "a pair was reported twice";
    return unique;
}

} // namespace

// Whole scenes are compared with testing every pair in the contact tracker tests; these are the
// boxes a scene should never hold.
TEST(SweepAndPrune, InsideOutBoxesUseTheirSpanAndNaNBoxesPairWithNothing) {
    const double nan = std::nan("");
    std::vector<AxisAlignedBox> boxes{
        AxisAlignedBox({2, 2}, {0, 0}), AxisAlignedBox({1, 1}, {3, 3}),
        AxisAlignedBox({nan, 0}, {1, 1}), AxisAlignedBox({0.5, 0.5}, {0.6, 0.6})};
    SweepAndPrune sweep;
    std::set<SweepAndPrune::Pair> pairs = found(sweep, boxes);
    EXPECT_EQ((std::set<SweepAndPrune::Pair>{{0, 1}, {0, 3}}), pairs);
}
