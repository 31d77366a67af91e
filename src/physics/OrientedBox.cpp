#include "physics/OrientedBox.h"

#include "core/ParamList.h"
#include "physics/WorldTransform.h"

#include <cmath>

namespace {
const Vector2 zeroVector(0, 0);
const Vector2 unitScale(1, 1);
const Vector2 identityOrientation(1, 0);
} // namespace

const std::string& OrientedBox::getType() const {
    static const std::string type = "OrientedBox";
    return type;
}

Bound* OrientedBox::createNew(const ParamList& params) const {
    auto* box = new OrientedBox();
    if (params.has("box"))
        params.get("box", box->localBox);
    else
        box->localBox.load(params);
    Vector2 ori(1, 0);
    params.get("ori", ori);
    if (ori.lengthSquared() > 0.0)
        box->orientation = ori / ori.length();
    return box;
}

void OrientedBox::load(const ParamList& params) {
    localBox.load(params);
    params.get("ori", orientation);
}

void OrientedBox::translate(const Vector2& offset) {
    if (offset == zeroVector)
        return;
    localBox.translate(offset);
    if (cornersValid)
        for (Vector2& corner : corners)
            corner += offset;
    enclosingBoxValid = false;
}

void OrientedBox::rotate(const Vector2& direction) {
    if (direction == identityOrientation || direction.lengthSquared() == 0.0)
        return;
    orientation = orientation.rotatedBy(direction / direction.length());
    cornersValid = false;
}

void OrientedBox::scale(const Vector2& factor) {
    if (factor == unitScale)
        return;
    localBox.scale(factor);
    cornersValid = false;
}

// Scale, then rotation, then translation applied to the centre; the half-extents are scaled and
// the orientation composed.
void OrientedBox::transform(const WorldTransform& frame) {
    bool moved = frame.position != zeroVector;
    bool turned = frame.orientation != identityOrientation;
    bool scaled = frame.scale != unitScale;
    if (!moved && !turned && !scaled)
        return;
    const Vector2 oldCenter = localBox.getCenter();
    Vector2 center = oldCenter;
    if (scaled) {
        center = center.scaledBy(frame.scale);
        // Extents take the size of the scale only: a mirrored frame mirrors the box, which turns
        // it the other way instead of leaving it inside out.
        localBox.scale(Vector2(std::fabs(frame.scale.x), std::fabs(frame.scale.y)));
        if (frame.scale.x * frame.scale.y < 0.0)
            orientation = orientation.conjugate();
    }
    if (turned) {
        center = center.rotatedBy(frame.orientation);
        orientation = orientation.rotatedBy(frame.orientation);
    }
    center += frame.position;
    localBox.translate(center - oldCenter);
    cornersValid = false;
}

void OrientedBox::updateCorners() const {
    const Vector2 c = localBox.getCenter();
    const Vector2& lo = localBox.min;
    const Vector2& hi = localBox.max;
    const Vector2 offsets[4] = {Vector2(lo.x - c.x, lo.y - c.y), Vector2(lo.x - c.x, hi.y - c.y),
                                Vector2(hi.x - c.x, hi.y - c.y), Vector2(hi.x - c.x, lo.y - c.y)};
    for (int i = 0; i < 4; ++i)
        corners[i] = c + offsets[i].rotatedBy(orientation);
    cornersValid = true;
    enclosingBoxValid = false;
}

const std::array<Vector2, 4>& OrientedBox::getCorners() const {
    if (!cornersValid)
        updateCorners();
    return corners;
}

AxisAlignedBox OrientedBox::getBoundingBox() const {
    if (!cornersValid || !enclosingBoxValid) {
        const auto& turned = getCorners();
        enclosingBox = AxisAlignedBox(turned[0], turned[0]);
        for (int i = 1; i < 4; ++i)
            enclosingBox.merge(AxisAlignedBox(turned[i], turned[i]));
        enclosingBoxValid = true;
    }
    return enclosingBox;
}

AxisAlignedBox OrientedBox::getSweptBox(const Vector2& offset) const {
    return getBoundingBox().getSweptBox(offset);
}

void OrientedBox::assign(const Bound& other) {
    if (other.getBoundType() == BoundType::OrientedBox)
        *this = static_cast<const OrientedBox&>(other);
}
