#include "physics/Bound.h"

#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"
#include "physics/WorldTransform.h"

std::unique_ptr<Bound> createBoundByName(const std::string& name) {
    if (name == "AxisAlignedBox" || name == "AABB")
        return std::make_unique<AxisAlignedBox>();
    if (name == "OrientedBox" || name == "OBB")
        return std::make_unique<OrientedBox>();
    if (name == "Circle")
        return std::make_unique<Circle>();
    return nullptr;
}

void Bound::transform(const SceneNode& node) {
    transform(WorldTransform::of(node));
}
