#include "physics/Intersection.h"

#include "core/myexception.h"
#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"

namespace {

bool boxBox(const AxisAlignedBox& p, const AxisAlignedBox& q) {
    return p.max.x > q.min.x && q.max.x > p.min.x && p.max.y > q.min.y && q.max.y > p.min.y;
}

double outsideDistance(double value, double low, double high) {
    if (value < low)
        return value - low;
    if (value > high)
        return value - high;
    return 0.0;
}

bool circleBox(const Circle& circle, const AxisAlignedBox& box) {
    double dx = outsideDistance(circle.center.x, box.min.x, box.max.x);
    double dy = outsideDistance(circle.center.y, box.min.y, box.max.y);
    return circle.radius * circle.radius > dx * dx + dy * dy;
}

bool circleCircle(const Circle& a, const Circle& b) {
    Vector2 d = b.center - a.center;
    double reach = a.radius + b.radius;
    return reach * reach > d.lengthSquared();
}

// The reference box's inverse orientation, made unit length (a degenerate orientation is taken
// as no turn rather than dividing by zero).
Vector2 inverseOrientation(const OrientedBox& reference) {
    Vector2 inverse = reference.getOrientation().conjugate();
    double length = inverse.length();
    return length > 0.0 ? inverse / length : Vector2(1, 0);
}

// other, carried into the frame in which reference's local box is axis-aligned.
OrientedBox inFrameOf(const OrientedBox& reference, const OrientedBox& other) {
    const Vector2 inverse = inverseOrientation(reference);
    const Vector2 referenceCenter = reference.getCenter();
    const Vector2 otherCenter = other.getCenter();
    OrientedBox carried(other);
    carried.rotate(inverse);
    carried.translate(referenceCenter + (otherCenter - referenceCenter).rotatedBy(inverse) -
                      otherCenter);
    return carried;
}

bool orientedBox(const OrientedBox& oriented, const AxisAlignedBox& box) {
    if (!boxBox(oriented.getBoundingBox(), box))
        return false;
    OrientedBox carried = inFrameOf(oriented, OrientedBox(box, Vector2(1, 0)));
    return boxBox(carried.getBoundingBox(), oriented.getLocalBox());
}

bool orientedCircle(const OrientedBox& oriented, const Circle& circle) {
    const Vector2 inverse = inverseOrientation(oriented);
    const Vector2 center = oriented.getCenter();
    Circle carried(center + (circle.center - center).rotatedBy(inverse), circle.radius);
    return circleBox(carried, oriented.getLocalBox());
}

bool orientedOriented(const OrientedBox& reference, const OrientedBox& other) {
    OrientedBox carried = inFrameOf(reference, other);
    return orientedBox(carried, reference.getLocalBox());
}

const AxisAlignedBox& asBox(const Bound& bound) {
    return static_cast<const AxisAlignedBox&>(bound);
}
const Circle& asCircle(const Bound& bound) {
    return static_cast<const Circle&>(bound);
}
const OrientedBox& asOriented(const Bound& bound) {
    return static_cast<const OrientedBox&>(bound);
}

[[noreturn]] void unknownType() {
    throw myexception("Unknown Bound Type in collision intersect test.");
}

} // namespace

bool intersect(const Bound& a, const Bound& b) {
    const BoundType typeB = b.getBoundType();
    const BoundType typeA = a.getBoundType();
    switch (typeB) {
    case BoundType::AxisAlignedBox:
        switch (typeA) {
        case BoundType::AxisAlignedBox:
            return boxBox(asBox(a), asBox(b));
        case BoundType::Circle:
            return circleBox(asCircle(a), asBox(b));
        case BoundType::OrientedBox:
            return orientedBox(asOriented(a), asBox(b));
        }
        break;
    case BoundType::Circle:
        switch (typeA) {
        case BoundType::AxisAlignedBox:
            return circleBox(asCircle(b), asBox(a));
        case BoundType::Circle:
            return circleCircle(asCircle(a), asCircle(b));
        case BoundType::OrientedBox:
            return orientedCircle(asOriented(a), asCircle(b));
        }
        break;
    case BoundType::OrientedBox:
        switch (typeA) {
        case BoundType::AxisAlignedBox:
            return orientedBox(asOriented(b), asBox(a));
        case BoundType::Circle:
            return orientedCircle(asOriented(b), asCircle(a));
        case BoundType::OrientedBox:
            return orientedOriented(asOriented(b), asOriented(a));
        }
        break;
    }
    unknownType();
}

bool containsPoint(const Vector2& point, const AxisAlignedBox& box) {
    return box.min.x < point.x && point.x < box.max.x && box.min.y < point.y && point.y < box.max.y;
}
