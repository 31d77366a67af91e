#pragma once

#include "physics/AxisAlignedBox.h"

class Circle : public Bound {
public:
    Vector2 center;
    double radius = 0.0;

    Circle() = default;
    Circle(const Vector2& center, double radius) : center(center), radius(radius) {}

    const std::string& getType() const override;
    Bound* createNew(const ParamList& params) const override;
    Bound* clone() const override { return new Circle(*this); }

    BoundType getBoundType() const override { return BoundType::Circle; }
    void translate(const Vector2& offset) override { center += offset; }
    void rotate(const Vector2&) override {}
    // Non-uniform factors are averaged: a circle stays a circle.
    void scale(const Vector2& factor) override { radius *= (factor.x + factor.y) * 0.5; }
    using Bound::transform;
    void transform(const WorldTransform& frame) override;
    bool isAxisAligned() const override { return false; }
    AxisAlignedBox getBoundingBox() const override;
    AxisAlignedBox getSweptBox(const Vector2& offset) const override;
    void assign(const Bound& other) override;
    void load(const ParamList& params) override;
};
