#include "presentation/Camera.h"

#include "core/ParamList.h"
#include "presentation/VideoManager.h"
#include "world/SceneNode.h"

const std::string& Camera::typeName() {
    static const std::string name = "Camera";
    return name;
}

Vector2 Camera::dimensionsFrom(const ParamList& params) {
    Vector2 dimensions;
    params.getRequired("dimensions", dimensions, "");
    return dimensions;
}

Component* Camera::createNew(const ParamList& params) const {
    return new Camera(dimensionsFrom(params));
}

OrientedBox Camera::getViewRect() const {
    SceneNode* node = getNode();
    if (!node) {
        Vector2 half = dimensions * 0.5;
        return OrientedBox(AxisAlignedBox(-half, half), Vector2(1, 0));
    }
    const Vector2& position = node->getWorldPosition();
    Vector2 half = dimensions.scaledBy(node->getWorldScale()) * 0.5;
    return OrientedBox(AxisAlignedBox(position - half, position + half), Vector2(1, 0));
}

Vector2 Camera::screenToWorld(unsigned x, unsigned y) const {
    if (!getEntity())
        return Vector2(0, 0);
    const VideoMode& mode = VideoManager::getSingleton().getVideoMode();
    if (mode.width == 0 || mode.height == 0)
        return Vector2(0, 0);
    double fx = static_cast<double>(x) / mode.width;
    double fy = (static_cast<double>(mode.height) - y) / mode.height;
    OrientedBox view = getViewRect();
    const AxisAlignedBox& rect = view.getLocalBox();
    Vector2 centre = rect.getCenter();
    // The view's own size, so that a scaled camera still maps the pointer to what is under it.
    Vector2 size = rect.getSize();
    Vector2 d(fx * size.x + rect.min.x - centre.x, fy * size.y + rect.min.y - centre.y);
    const Vector2& axis = view.getOrientation();
    return Vector2(centre.x + axis.x * d.x - axis.y * d.y, centre.y + axis.x * d.y + axis.y * d.x);
}
