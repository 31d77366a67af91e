#pragma once

#include "physics/AxisAlignedBox.h"

#include <array>

// A box turned about its centre. Corners and the enclosing box are computed on demand and
// cached; the caches are mutable so that const queries can refresh them.
class OrientedBox : public Bound {
public:
    OrientedBox() = default;
    OrientedBox(const AxisAlignedBox& localBox, const Vector2& orientation)
        : localBox(localBox), orientation(orientation) {}

    const std::string& getType() const override;
    // "ori" is divided by its length here (a zero "ori" keeps the default (1, 0)).
    Bound* createNew(const ParamList& params) const override;
    Bound* clone() const override { return new OrientedBox(*this); }

    BoundType getBoundType() const override { return BoundType::OrientedBox; }
    void translate(const Vector2& offset) override;
    void rotate(const Vector2& direction) override;
    void scale(const Vector2& factor) override;
    using Bound::transform;
    void transform(const WorldTransform& frame) override;
    bool isAxisAligned() const override { return false; }
    AxisAlignedBox getBoundingBox() const override;
    AxisAlignedBox getSweptBox(const Vector2& offset) const override;
    void assign(const Bound& other) override;
    // Reads the local box from the box parameters and "ori" as given, without normalising it.
    void load(const ParamList& params) override;

    const AxisAlignedBox& getLocalBox() const { return localBox; }
    const Vector2& getOrientation() const { return orientation; }
    Vector2 getCenter() const { return localBox.getCenter(); }
    // In order: (min.x, min.y), (min.x, max.y), (max.x, max.y), (max.x, min.y) of the local box,
    // each turned about the centre.
    const std::array<Vector2, 4>& getCorners() const;
    bool areCornersValid() const { return cornersValid; }
    bool isEnclosingBoxValid() const { return enclosingBoxValid; }

private:
    void updateCorners() const;

    AxisAlignedBox localBox;
    Vector2 orientation{1, 0};
    mutable std::array<Vector2, 4> corners{};
    mutable AxisAlignedBox enclosingBox;
    mutable bool cornersValid = false;
    mutable bool enclosingBoxValid = false;
};
