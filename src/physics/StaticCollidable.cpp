#include "physics/StaticCollidable.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "world/Entity.h"

const std::string& Collidable::roleName() {
    static const std::string name = "Collidable";
    return name;
}

const std::string& StaticCollidable::typeName() {
    static const std::string name = "StaticCollidable";
    return name;
}

StaticCollidable::StaticCollidable() : StaticCollidable(AxisAlignedBox()) {}

StaticCollidable::StaticCollidable(const Bound& bound)
    : localBound(bound.clone()), worldBound(bound.clone()) {
    if (!localBound || !worldBound)
        throw myexception("Bound's copy constructor returns null.");
}

Component* StaticCollidable::createNew(const ParamList& params) const {
    std::unique_ptr<Bound> empty = createBoundByName(params.getText("type"));
    if (!empty)
        throw myexception("Invalid type parameter for StaticCollidable.");
    std::unique_ptr<Bound> configured(empty->createNew(params));
    return new StaticCollidable(*configured);
}

const Bound& StaticCollidable::getWorldBound() {
    SceneNode* node = getNode();
    if (!node)
        return *worldBound;
    const Matrix3& matrix = node->getWorldMatrix();
    if (matrix != cachedWorldMatrix) {
        worldBound->assign(*localBound);
        cachedWorldMatrix = matrix;
        worldBound->transform(*node);
        worldBoundingBoxValid = false;
    }
    return *worldBound;
}

const AxisAlignedBox& StaticCollidable::getWorldBoundingBox() {
    getWorldBound();
    if (!worldBoundingBoxValid) {
        worldBoundingBox = worldBound->getBoundingBox();
        worldBoundingBoxValid = true;
    }
    return worldBoundingBox;
}

const AxisAlignedBox& StaticCollidable::getBoundingBox() {
    boundingBox = localBound->getBoundingBox();
    return boundingBox;
}
