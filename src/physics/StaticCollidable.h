#pragma once

#include "physics/Collidable.h"
#include "world/SceneNode.h"

#include <memory>

// A collidable with a fixed shape in its entity's frame. The world copy is recomputed only when
// the node's world matrix differs from the one it was last computed from.
class StaticCollidable : public Collidable {
public:
    static const std::string& typeName();

    // A zero axis-aligned box: the prototype the factory keeps.
    StaticCollidable();
    // Raises "Bound's copy constructor returns null." when the bound cannot be copied.
    explicit StaticCollidable(const Bound& bound);

    const std::string& getType() const override { return typeName(); }
    // "type" names the shape ("AxisAlignedBox", "AABB", "OrientedBox", "OBB", "Circle"), the other
    // parameters are the shape's; raises "Invalid type parameter for StaticCollidable." for an
    // unknown shape.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new StaticCollidable(*localBound); }

    const Bound& getLocalBound() const override { return *localBound; }
    // Without an entity or node the last world bound is kept.
    const Bound& getWorldBound() override;
    const AxisAlignedBox& getWorldBoundingBox() override;
    // The local bound's box, in the entity's frame.
    const AxisAlignedBox& getBoundingBox() override;

private:
    std::unique_ptr<Bound> localBound;
    std::unique_ptr<Bound> worldBound;
    AxisAlignedBox boundingBox;
    AxisAlignedBox worldBoundingBox;
    bool worldBoundingBoxValid = false;
    Matrix3 cachedWorldMatrix{{1, 0, 0, 0, 1, 0, 0, 0, 1}};
};
