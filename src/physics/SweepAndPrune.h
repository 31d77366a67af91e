#pragma once

#include "physics/AxisAlignedBox.h"

#include <cstdint>
#include <utility>
#include <vector>

// Finds the pairs of boxes that may overlap by sorting them along x and sweeping. The answer is
// conservative: every pair whose boxes overlap, touch or come within a rounding margin of each
// other is reported, so an exact shape test on the reported pairs misses nothing that a test of
// every pair would find. Inside-out boxes (min > max) are taken by their span.
//
// The sort order is kept between calls: when boxes move a little from one call to the next,
// re-sorting is close to linear.
class SweepAndPrune {
public:
    typedef std::pair<std::uint32_t, std::uint32_t> Pair;

    // Replaces pairs with every candidate (i, j), i < j, indices into boxes; in no defined order.
    void findPairs(const std::vector<AxisAlignedBox>& boxes, std::vector<Pair>& pairs);

    // The same conservative test for one pair.
    static bool mayOverlap(const AxisAlignedBox& a, const AxisAlignedBox& b);

private:
    struct Extent {
        double minX, maxX, minY, maxY;
    };

    // The box's span widened by the rounding margin; a NaN box gets an empty extent that sorts
    // last.
    static Extent extentOf(const AxisAlignedBox& box);

    void sortByMinX();

    std::vector<Extent> extents;
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> active;
};
