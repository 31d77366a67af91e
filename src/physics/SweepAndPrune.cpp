#include "physics/SweepAndPrune.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// Shape tests and bounding boxes round differently (an oriented box's corners against its
// separating axes); widening each box by far more than that rounding keeps the answer a superset.
double roundingMargin(double a, double b, double c, double d) {
    double largest =
        std::max(std::max(std::fabs(a), std::fabs(b)), std::max(std::fabs(c), std::fabs(d)));
    return 1e-9 * (1.0 + largest);
}

} // namespace

SweepAndPrune::Extent SweepAndPrune::extentOf(const AxisAlignedBox& box) {
    if (std::isnan(box.min.x) || std::isnan(box.max.x) || std::isnan(box.min.y) ||
        std::isnan(box.max.y)) {
        const double infinity = std::numeric_limits<double>::infinity();
        return {infinity, -infinity, infinity, -infinity};
    }
    double margin = roundingMargin(box.min.x, box.max.x, box.min.y, box.max.y);
    return {std::min(box.min.x, box.max.x) - margin, std::max(box.min.x, box.max.x) + margin,
            std::min(box.min.y, box.max.y) - margin, std::max(box.min.y, box.max.y) + margin};
}

bool SweepAndPrune::mayOverlap(const AxisAlignedBox& a, const AxisAlignedBox& b) {
    const Extent p = extentOf(a), q = extentOf(b);
    return p.maxX >= q.minX && q.maxX >= p.minX && p.maxY >= q.minY && q.maxY >= p.minY;
}

void SweepAndPrune::findPairs(const std::vector<AxisAlignedBox>& boxes, std::vector<Pair>& pairs) {
    pairs.clear();
    const std::size_t count = boxes.size();
    extents.resize(count);
    for (std::size_t index = 0; index < count; ++index)
        extents[index] = extentOf(boxes[index]);
    if (order.size() != count) {
        order.resize(count);
        std::iota(order.begin(), order.end(), 0u);
    }
    sortByMinX();

    active.clear();
    for (std::uint32_t index : order) {
        const Extent& current = extents[index];
        std::size_t kept = 0;
        for (std::uint32_t other : active) {
            const Extent& candidate = extents[other];
            if (!(candidate.maxX >= current.minX))
                continue;
            active[kept++] = other;
            if (candidate.maxY >= current.minY && current.maxY >= candidate.minY)
                pairs.emplace_back(std::min(index, other), std::max(index, other));
        }
        active.resize(kept);
        active.push_back(index);
    }
}

// Insertion sort profits from the order of the last call; when the boxes were shuffled too much
// for that (a new scene, many teleports) it gives up and sorts from scratch.
void SweepAndPrune::sortByMinX() {
    auto key = [this](std::uint32_t index) { return extents[index].minX; };
    auto less = [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); };
    std::size_t budget = 8 * order.size() + 64;
    for (std::size_t next = 1; next < order.size(); ++next) {
        std::uint32_t moving = order[next];
        std::size_t place = next;
        while (place > 0 && less(moving, order[place - 1])) {
            order[place] = order[place - 1];
            --place;
            if (--budget == 0) {
                order[place] = moving;
                std::sort(order.begin(), order.end(), less);
                return;
            }
        }
        order[place] = moving;
    }
}
