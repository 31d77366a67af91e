#include "physics/AxisAlignedBox.h"

#include "core/ParamList.h"
#include "physics/WorldTransform.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

namespace {
const Vector2 unitScale(1, 1);
}

AxisAlignedBox AxisAlignedBox::fromCenter(const Vector2& center, const Vector2& dimensions) {
    return AxisAlignedBox(center - dimensions * 0.5, center + dimensions * 0.5);
}

const std::string& AxisAlignedBox::getType() const {
    static const std::string type = "AxisAlignedBox";
    return type;
}

Bound* AxisAlignedBox::createNew(const ParamList& params) const {
    auto* box = new AxisAlignedBox();
    box->load(params);
    return box;
}

void AxisAlignedBox::load(const ParamList& params) {
    Vector2 center, dimensions;
    bool hasCenter = params.get("center", center) == ParamList::Found;
    bool hasDimensions = params.get("dim", dimensions) == ParamList::Found;
    if (hasCenter && hasDimensions) {
        *this = fromCenter(center, dimensions);
        return;
    }
    min = Vector2();
    max = Vector2();
    params.get("min", min);
    params.get("max", max);
}

void AxisAlignedBox::translate(const Vector2& offset) {
    min += offset;
    max += offset;
}

void AxisAlignedBox::scale(const Vector2& factor) {
    if (factor == unitScale)
        return;
    Vector2 center = getCenter();
    min = (min - center).scaledBy(factor) + center;
    max = (max - center).scaledBy(factor) + center;
}

// The box keeps its axes whatever the frame's rotation; its extents follow the frame's scale.
// A mirrored frame (negative scale) gives the same box, not an inside-out one.
void AxisAlignedBox::transform(const WorldTransform& frame) {
    Vector2 center = getCenter();
    scale(Vector2(std::fabs(frame.scale.x), std::fabs(frame.scale.y)));
    translate(frame.apply(center) - center);
}

AxisAlignedBox AxisAlignedBox::getSweptBox(const Vector2& offset) const {
    AxisAlignedBox swept(*this);
    swept.translate(offset);
    swept.merge(*this);
    return swept;
}

void AxisAlignedBox::merge(const AxisAlignedBox& other) {
    min = Vector2(std::min(min.x, other.min.x), std::min(min.y, other.min.y));
    max = Vector2(std::max(max.x, other.max.x), std::max(max.y, other.max.y));
}

void AxisAlignedBox::assign(const Bound& other) {
    if (other.getBoundType() == BoundType::AxisAlignedBox) {
        const auto& box = static_cast<const AxisAlignedBox&>(other);
        min = box.min;
        max = box.max;
    }
}

std::istream& operator>>(std::istream& in, AxisAlignedBox& box) {
    Vector2 min, max;
    char separator = 0;
    if (in >> min >> separator >> max) {
        box.min = min;
        box.max = max;
    }
    return in;
}

std::ostream& operator<<(std::ostream& out, const AxisAlignedBox& box) {
    return out << box.min << ',' << box.max;
}
