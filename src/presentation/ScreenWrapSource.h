#pragma once

#include "physics/AxisAlignedBox.h"

// What the render pass asks of the "ScreenWrapper" component found on a renderable's entity or
// its nearest ancestor entity: the gameplay component implements it, so the render manager needs
// no knowledge of playing areas.
class ScreenWrapSource {
public:
    // True when wrapping is active: the playing area was found and the entity is wholly inside
    // it. Then area is set to the playing area in world space.
    virtual bool activeWrapArea(AxisAlignedBox& area) const = 0;

protected:
    ~ScreenWrapSource() = default;
};
