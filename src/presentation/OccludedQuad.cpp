#include "presentation/OccludedQuad.h"

namespace {
double clampUnit(double value) {
    return value < 0.0 ? 0.0 : value > 1.0 ? 1.0 : value;
}
} // namespace

OccludedQuad::OccludedQuad(double minPos, double maxPos, double occlusion)
    : minPos(minPos), maxPos(maxPos) {
    OccludedQuad::setOcclusion(occlusion);
}

void OccludedQuad::setOcclusion(double value) {
    occlusion = clampUnit(value);
    visibleFraction = occlusion * (maxPos - minPos) + minPos;
}

void OccludedQuad::setMinPos(double value) {
    if (value == minPos)
        return;
    minPos = value;
    setOcclusion(occlusion);
}

void OccludedQuad::setMaxPos(double value) {
    if (value == maxPos)
        return;
    maxPos = value;
    setOcclusion(occlusion);
}
