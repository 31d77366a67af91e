#pragma once

#include "physics/Collidable.h"
#include "physics/ComponentSet.h"
#include "physics/SweepAndPrune.h"

#include <unordered_map>
#include <vector>

// The collidables of a scene and which pairs of them overlap. Each test run reports the pairs
// that began or stopped overlapping, exactly as testing every pair in set order would (first the
// earlier collidable of the pair, pairs in the order of that walk), but only tests the pairs
// whose world bounding boxes come near each other, and the pairs in contact.
//
// A collidable's contacts are forgotten when it is removed, without an "ended" report: the
// address may be reused by a new collidable, which must not start out "in contact".
class ContactTracker {
public:
    enum class PairSearch { SweepAndPrune, AllPairs };

    struct Change {
        Collidable* first;
        Collidable* second;
        bool ended;
    };

    bool add(Collidable* collidable) { return collidables.insert(collidable); }
    // Safe while the collidable is being destroyed: it is not dereferenced.
    bool remove(const Component* collidable);
    bool contains(const Component* collidable) const { return collidables.contains(collidable); }
    const ComponentSet<Collidable>& getCollidables() const { return collidables; }

    bool inContact(const Collidable* a, const Collidable* b) const;
    std::size_t contactCount() const { return contacts; }

    // AllPairs tests every pair: the plain definition, kept as the reference for the fast path.
    void setPairSearch(PairSearch search) { pairSearch = search; }
    PairSearch getPairSearch() const { return pairSearch; }

    // Tests every pair once and appends the changes of contact.
    void update(std::vector<Change>& changes);
    // Tests one collidable against every other at once, it being first of each pair.
    void check(Collidable* collidable, std::vector<Change>& changes);

private:
    // Tests the pair and updates its contact state; first is the earlier one in the walk.
    void test(Collidable* first, Collidable* second, std::vector<Change>& changes);
    void setContact(Collidable* a, Collidable* b, bool touching);

    ComponentSet<Collidable> collidables;
    // Both directions of every pair in contact; collidables without contacts have no entry.
    std::unordered_map<const Collidable*, std::vector<Collidable*>> partners;
    std::size_t contacts = 0;
    PairSearch pairSearch = PairSearch::SweepAndPrune;

    SweepAndPrune sweep;
    std::vector<AxisAlignedBox> boxes;
    std::vector<SweepAndPrune::Pair> pairs;
};
