#include "physics/WorldTransform.h"

#include "world/SceneNode.h"

WorldTransform WorldTransform::fromParts(const Vector2& position, const Vector2& orientation,
                                         const Vector2& scale) {
    WorldTransform frame;
    frame.position = position;
    frame.orientation = orientation;
    frame.scale = scale;
    const double c = orientation.x, s = orientation.y;
    frame.matrix = {
        {c * scale.x, s * scale.y, 0, -s * scale.x, c * scale.y, 0, position.x, position.y, 1}};
    return frame;
}

WorldTransform WorldTransform::of(const SceneNode& node) {
    WorldTransform frame;
    frame.matrix = node.getWorldMatrix();
    frame.position = node.getWorldPosition();
    frame.orientation = node.getWorldOrientation();
    frame.scale = node.getWorldScale();
    return frame;
}
