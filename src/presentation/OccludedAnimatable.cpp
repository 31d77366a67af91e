#include "presentation/OccludedAnimatable.h"

#include "core/ParamList.h"

#include <memory>

const std::string& OccludedAnimatable::typeName() {
    static const std::string name = "OccludedAnimatable";
    return name;
}

OccludedAnimatable::OccludedAnimatable(double zOrder, double minPos, double maxPos,
                                       double occlusion)
    : Animatable(zOrder), OccludedQuad(minPos, maxPos, occlusion) {}

OccludedAnimatable* OccludedAnimatable::fromParams(const ParamList& params) {
    double zOrder = 0.0;
    params.getRequired("zOrder", zOrder, "Error creating Animatable:");
    double minPos = 0.0, maxPos = 1.0, occlusion = 1.0;
    params.get("minPos", minPos);
    params.get("maxPos", maxPos);
    params.get("occlusion", occlusion);
    std::unique_ptr<OccludedAnimatable> made(
        new OccludedAnimatable(zOrder, minPos, maxPos, occlusion));
    readAnimations(*made, params);
    return made.release();
}

AxisAlignedBox OccludedAnimatable::clipped(const AxisAlignedBox& rectangle) const {
    AxisAlignedBox result = rectangle;
    double width = (rectangle.max.x - rectangle.min.x) * getVisibleFraction();
    if (getMaxPos() < getMinPos())
        result.min.x = result.max.x - width;
    else
        result.max.x = result.min.x + width;
    return result;
}

void OccludedAnimatable::setAnimation(const std::string& name, double time) {
    Animatable::setAnimation(name, time);
    setOcclusion(getOcclusion());
}

void OccludedAnimatable::setOcclusion(double value) {
    OccludedQuad::setOcclusion(value);
    markGeometryDirty();
}

bool OccludedAnimatable::updateGeometry() {
    if (const FrameEntry* frame = getCurrentFrame())
        setTexCoords(clipped(frame->texCoords));
    if (!Animatable::updateGeometry())
        return false;
    // Clip along the box's own first axis: the kept part's centre moves along that axis, turned
    // with the box, so a turned bar still keeps its left (or right) end in place.
    OrientedBox& world = mutableWorldBox();
    const AxisAlignedBox& whole = world.getLocalBox();
    AxisAlignedBox kept = clipped(whole);
    Vector2 centreShift(kept.getCenter().x - whole.getCenter().x, 0.0);
    Vector2 turnedShift = centreShift.rotatedBy(world.getOrientation());
    kept.translate(turnedShift - centreShift);
    world = OrientedBox(kept, world.getOrientation());
    setVerticesFrom(world);
    mutableBound() = world.getBoundingBox();
    return true;
}
