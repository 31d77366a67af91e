#include "physics/ContactTracker.h"

#include "physics/Intersection.h"

#include <algorithm>

bool ContactTracker::remove(const Component* component) {
    Collidable* collidable = collidables.erase(component);
    if (!collidable)
        return false;
    auto found = partners.find(collidable);
    if (found != partners.end()) {
        std::vector<Collidable*> former = found->second;
        for (Collidable* partner : former)
            setContact(collidable, partner, false);
    }
    return true;
}

bool ContactTracker::inContact(const Collidable* a, const Collidable* b) const {
    auto found = partners.find(a);
    if (found == partners.end())
        return false;
    const auto& list = found->second;
    return std::find(list.begin(), list.end(), b) != list.end();
}

void ContactTracker::setContact(Collidable* a, Collidable* b, bool touching) {
    if (touching) {
        partners[a].push_back(b);
        if (a != b)
            partners[b].push_back(a);
        ++contacts;
        return;
    }
    auto drop = [this](Collidable* from, const Collidable* partner) {
        auto found = partners.find(from);
        if (found == partners.end())
            return;
        auto& list = found->second;
        list.erase(std::find(list.begin(), list.end(), partner));
        if (list.empty())
            partners.erase(found);
    };
    drop(a, b);
    if (a != b)
        drop(b, a);
    --contacts;
}

void ContactTracker::test(Collidable* first, Collidable* second, std::vector<Change>& changes) {
    const bool overlap = intersect(second->getWorldBound(), first->getWorldBound());
    if (overlap == inContact(first, second))
        return;
    setContact(first, second, overlap);
    changes.push_back({first, second, !overlap});
}

void ContactTracker::update(std::vector<Change>& changes) {
    const std::vector<Collidable*>& all = collidables.all();
    const std::uint32_t count = static_cast<std::uint32_t>(all.size());
    if (pairSearch == PairSearch::AllPairs) {
        for (std::uint32_t first = 0; first < count; ++first)
            for (std::uint32_t second = first + 1; second < count; ++second)
                test(all[first], all[second], changes);
        return;
    }

    boxes.resize(count);
    for (std::uint32_t index = 0; index < count; ++index)
        boxes[index] = all[index]->getWorldBoundingBox();
    sweep.findPairs(boxes, pairs);
    // Pairs in contact are tested wherever their boxes went, or their end would go unnoticed.
    for (const auto& entry : partners) {
        const std::uint32_t self = collidables.indexOf(entry.first);
        for (const Collidable* partner : entry.second) {
            const std::uint32_t other = collidables.indexOf(partner);
            if (self < other)
                pairs.emplace_back(self, other);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    for (const auto& pair : pairs)
        test(all[pair.first], all[pair.second], changes);
}

void ContactTracker::check(Collidable* collidable, std::vector<Change>& changes) {
    if (!collidables.contains(collidable))
        return;
    const bool everyPair = pairSearch == PairSearch::AllPairs;
    AxisAlignedBox box = collidable->getWorldBoundingBox();
    for (Collidable* other : collidables.all()) {
        if (other == collidable)
            continue;
        if (everyPair || inContact(collidable, other) ||
            SweepAndPrune::mayOverlap(box, other->getWorldBoundingBox()))
            test(collidable, other, changes);
    }
}
