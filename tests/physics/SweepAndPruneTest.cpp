#include "physics/SweepAndPrune.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
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

bool touchOrOverlap(const AxisAlignedBox& a, const AxisAlignedBox& b) {
    return a.max.x >= b.min.x && b.max.x >= a.min.x && a.max.y >= b.min.y && b.max.y >= a.min.y;
}

} // namespace

TEST(SweepAndPrune, ReportsEveryTouchingOrOverlappingPairAcrossMovingCalls) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(-500, 500), size(0, 40), step(-30, 30);
    std::vector<AxisAlignedBox> boxes;
    for (int index = 0; index < 300; ++index) {
        Vector2 min(position(random), position(random) * 0.2);
        boxes.emplace_back(min, min + Vector2(size(random), size(random)));
    }
    // Some boxes share edges exactly.
    boxes[1] = AxisAlignedBox(boxes[0].max, boxes[0].max + Vector2(5, 5));
    boxes[2] = AxisAlignedBox({boxes[0].max.x, boxes[0].min.y}, boxes[0].max + Vector2(3, 0));

    SweepAndPrune sweep;
    for (int call = 0; call < 5; ++call) {
        std::set<SweepAndPrune::Pair> pairs = found(sweep, boxes);
        for (std::uint32_t i = 0; i < boxes.size(); ++i)
            for (std::uint32_t j = i + 1; j < boxes.size(); ++j)
                if (touchOrOverlap(boxes[i], boxes[j])) {
                    EXPECT_TRUE(pairs.count({i, j})) << i << " " << j << " call " << call;
                }
        // Reported pairs are near misses at most.
        for (const auto& pair : pairs) {
            AxisAlignedBox grown = boxes[pair.first];
            grown.min -= Vector2(1e-3, 1e-3);
            grown.max += Vector2(1e-3, 1e-3);
            EXPECT_TRUE(touchOrOverlap(grown, boxes[pair.second]));
        }
        for (auto& box : boxes)
            box.translate({step(random), step(random)});
        // Teleports and a change of count force a full re-sort.
        if (call == 2) {
            std::reverse(boxes.begin(), boxes.end());
            boxes.pop_back();
        }
    }
}

TEST(SweepAndPrune, InsideOutBoxesUseTheirSpanAndNaNBoxesPairWithNothing) {
    const double nan = std::nan("");
    std::vector<AxisAlignedBox> boxes{
        AxisAlignedBox({2, 2}, {0, 0}), AxisAlignedBox({1, 1}, {3, 3}),
        AxisAlignedBox({nan, 0}, {1, 1}), AxisAlignedBox({0.5, 0.5}, {0.6, 0.6})};
    SweepAndPrune sweep;
    std::set<SweepAndPrune::Pair> pairs = found(sweep, boxes);
    EXPECT_EQ((std::set<SweepAndPrune::Pair>{{0, 1}, {0, 3}}), pairs);
}
