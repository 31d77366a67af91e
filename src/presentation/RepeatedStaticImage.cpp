#include "presentation/RepeatedStaticImage.h"

#include "core/ParamList.h"
#include "presentation/Camera.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <cmath>
#include <memory>

namespace {
// Moves start onto the tile grid at or before low and counts the tiles of size needed to pass
// high. Done with floor and ceil rather than stepping one tile at a time, so a picture placed far
// from the view, or one of no size, cannot stall the frame.
void tileAxis(double& start, double size, double low, double high, unsigned& count) {
    count = 1;
    if (!(size > 0.0) || !std::isfinite(size))
        return;
    start += std::floor((low - start) / size) * size;
    if (start > low)
        start -= size;
    double tiles = std::ceil((high - start) / size);
    if (tiles > 1.0)
        count = static_cast<unsigned>(tiles);
}
} // namespace

const std::string& RepeatedStaticImage::typeName() {
    static const std::string name = "RepeatedStaticImage";
    return name;
}

RepeatedStaticImage::RepeatedStaticImage(const StaticImage& image, const std::string& cameraName,
                                         bool repeatX, bool repeatY)
    : StaticImage(image), cameraName(cameraName), repeatX(repeatX), repeatY(repeatY) {
    if (getTexture())
        getTexture()->setRepeat(true);
}

RepeatedStaticImage* RepeatedStaticImage::fromParams(const ParamList& params) {
    std::string cameraName;
    params.getRequired("camera", cameraName, "");
    bool repeatX = false, repeatY = false;
    params.getRequired("repeatX", repeatX, "");
    params.getRequired("repeatY", repeatY, "");
    std::unique_ptr<StaticImage> image(StaticImage::fromParams(params));
    return new RepeatedStaticImage(*image, cameraName, repeatX, repeatY);
}

bool RepeatedStaticImage::updateGeometry() {
    Entity* entity = getEntity();
    SceneManager* scene = entity ? entity->getSceneManager() : nullptr;
    Entity* cameraEntity = scene ? scene->findEntity(cameraName) : nullptr;
    Camera* camera =
        cameraEntity ? cameraEntity->getComponent<Camera>(Camera::typeName()) : nullptr;
    SceneNode* cameraNode = cameraEntity ? cameraEntity->getNode() : nullptr;
    if (!camera || !cameraNode || !getNode())
        return StaticImage::updateGeometry();

    bool imageChanged = StaticImage::updateGeometry();
    const Vector2& cameraPosition = cameraNode->getWorldPosition();
    const Vector2& cameraOrientation = cameraNode->getWorldOrientation();
    const Vector2& cameraScale = cameraNode->getWorldScale();
    if (!imageChanged && viewComputed && cameraPosition == cachedCameraPosition &&
        cameraOrientation == cachedCameraOrientation && cameraScale == cachedCameraScale)
        return false;

    OrientedBox view = camera->getViewRect();
    viewExtent = view.getBoundingBox();
    viewComputed = true;
    view.rotate(getNode()->getWorldOrientation().conjugate());
    AxisAlignedBox visible = view.getBoundingBox();

    const AxisAlignedBox& image = currentWorldBox().getLocalBox();
    Vector2 start = image.min;
    Vector2 size = image.max - image.min;
    unsigned countX = 1, countY = 1;
    if (repeatX)
        tileAxis(start.x, size.x, visible.min.x, visible.max.x, countX);
    if (repeatY)
        tileAxis(start.y, size.y, visible.min.y, visible.max.y, countY);

    setVerticesFrom(AxisAlignedBox(start, start + Vector2(countX * size.x, countY * size.y)));
    setTexCoords(AxisAlignedBox(Vector2(0, 0), Vector2(countX, countY)));
    mutableBound() = viewExtent;
    cachedCameraPosition = cameraPosition;
    cachedCameraOrientation = cameraOrientation;
    cachedCameraScale = cameraScale;
    return true;
}
