#pragma once

#include "physics/Bound.h"

#include <iosfwd>

// Also the engine's general rectangle type (views, areas). Nothing keeps min <= max.
class AxisAlignedBox : public Bound {
public:
    Vector2 min;
    Vector2 max;

    AxisAlignedBox() = default;
    AxisAlignedBox(const Vector2& min, const Vector2& max) : min(min), max(max) {}
    static AxisAlignedBox fromCenter(const Vector2& center, const Vector2& dimensions);

    const std::string& getType() const override;
    Bound* createNew(const ParamList& params) const override;
    Bound* clone() const override { return new AxisAlignedBox(*this); }

    BoundType getBoundType() const override { return BoundType::AxisAlignedBox; }
    void translate(const Vector2& offset) override;
    void rotate(const Vector2&) override {}
    void scale(const Vector2& factor) override;
    using Bound::transform;
    void transform(const WorldTransform& frame) override;
    bool isAxisAligned() const override { return true; }
    AxisAlignedBox getBoundingBox() const override { return *this; }
    AxisAlignedBox getSweptBox(const Vector2& offset) const override;
    void assign(const Bound& other) override;
    void load(const ParamList& params) override;

    Vector2 getCenter() const { return (min + max) * 0.5; }
    Vector2 getSize() const { return max - min; }
    // Grows this box to enclose other too.
    void merge(const AxisAlignedBox& other);
};

// Text form: a Vector2, one separator character, a Vector2 ("(0,0),(4,2)"): min then max. On a
// failure the box is left unchanged.
std::istream& operator>>(std::istream& in, AxisAlignedBox& box);
std::ostream& operator<<(std::ostream& out, const AxisAlignedBox& box);
