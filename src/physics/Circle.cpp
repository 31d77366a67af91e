#include "physics/Circle.h"

#include "core/ParamList.h"
#include "physics/WorldTransform.h"

#include <cmath>

const std::string& Circle::getType() const {
    static const std::string type = "Circle";
    return type;
}

Bound* Circle::createNew(const ParamList& params) const {
    auto* circle = new Circle();
    circle->load(params);
    return circle;
}

void Circle::load(const ParamList& params) {
    params.get("center", center);
    params.get("radius", radius);
}

void Circle::transform(const WorldTransform& frame) {
    center = frame.apply(center);
    // A mirrored frame mirrors the circle onto itself rather than shrinking it.
    scale(Vector2(std::fabs(frame.scale.x), std::fabs(frame.scale.y)));
}

AxisAlignedBox Circle::getBoundingBox() const {
    const Vector2 extent(radius, radius);
    return AxisAlignedBox(center - extent, center + extent);
}

AxisAlignedBox Circle::getSweptBox(const Vector2& offset) const {
    return getBoundingBox().getSweptBox(offset);
}

void Circle::assign(const Bound& other) {
    if (other.getBoundType() == BoundType::Circle) {
        const auto& circle = static_cast<const Circle&>(other);
        center = circle.center;
        radius = circle.radius;
    }
}
