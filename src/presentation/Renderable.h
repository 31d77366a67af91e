#pragma once

#include "physics/Boundable.h"
#include "world/Component.h"

#include <string>

class OrientedBox;
struct RenderOp;

// A component the RenderManager draws: culled by its bounding box (world-space extent), sorted by
// its z-order and drawn from its render operation. Every concrete renderable also registers
// under the role name "Renderable", so an entity holds at most one and the RenderManager finds
// it by that name.
class Renderable : public Component, public Boundable {
public:
    static const std::string& roleName();

    bool attach(Entity* entity) override;

    // Brings the geometry up to date; null for nothing to draw. The record and its arrays stay
    // valid until this renderable changes or is destroyed.
    virtual RenderOp* renderOperation() = 0;
    virtual double zOrder() const = 0;
    // Brings the geometry up to date.
    virtual const OrientedBox& worldBox() = 0;
    virtual const OrientedBox& localBox() const = 0;
};
