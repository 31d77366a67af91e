#include "presentation/BoxSceneTemplateInstantiator.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "world/SceneManager.h"

#include <cmath>

namespace {

// Spawns appear this far outside the box, in world units.
constexpr double spawnDistance = 64.0;

BoxSceneTemplateInstantiator::Side sideFrom(const std::string& word) {
    using Box = BoxSceneTemplateInstantiator;
    if (word.empty())
        return Box::RandomSide;
    if (word == "Right")
        return Box::Right;
    if (word == "Top")
        return Box::Top;
    if (word == "Left")
        return Box::Left;
    if (word == "Bottom")
        return Box::Bottom;
    throw myexception("Invalid parameter for side.");
}

// Exact quarter turns counter-clockwise: cos and sin of k * pi / 2 are not exact in doubles.
Vector2 quarterTurned(const Vector2& v, int quarterTurns) {
    switch (quarterTurns & 3) {
    case 1:
        return Vector2(-v.y, v.x);
    case 2:
        return Vector2(-v.x, -v.y);
    case 3:
        return Vector2(v.y, -v.x);
    default:
        return v;
    }
}

bool isFinite(const Vector2& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

} // namespace

const std::string& BoxSceneTemplateInstantiator::typeName() {
    static const std::string name = "BoxSceneTemplateInstantiator";
    return name;
}

BoxSceneTemplateInstantiator::BoxSceneTemplateInstantiator(const ParamList& params)
    : side(sideFrom(params.getText("side"))), random(RandomSource::fromParams(params)) {}

void BoxSceneTemplateInstantiator::managerChanged(SceneManager* newManager, SceneManager*) {
    if (newManager)
        random.restart();
}

SceneNode* BoxSceneTemplateInstantiator::instantiate(const SceneTemplatePtr& sceneTemplate) {
    SceneManager* scene = getSceneManager();
    if (!sceneTemplate || !scene)
        return nullptr;
    sceneTemplate->load();
    if (sceneTemplate->getState() != Resource::Loaded || sceneTemplate->loadFailed())
        return nullptr;
    AxisAlignedBox box;
    Vector2 position;
    Vector2 orientation;
    if (!findBox(box) || !placeAround(box, position, orientation))
        return nullptr;
    return sceneTemplate->instantiateInScene(scene, position, orientation, Vector2(1, 1));
}

int BoxSceneTemplateInstantiator::fixedQuarterTurns() const {
    switch (side) {
    case Top:
        return 0;
    case Left:
        return 1;
    case Bottom:
        return 2;
    case Right:
        return 3;
    default:
        return -1;
    }
}

bool BoxSceneTemplateInstantiator::placeAround(const AxisAlignedBox& box, Vector2& position,
                                               Vector2& orientation) {
    const Vector2 size = box.getSize();
    // The placement divides by the width or height and scales by both.
    if (!(size.x > 0.0 && size.y > 0.0 && std::isfinite(size.x) && std::isfinite(size.y)))
        return false;
    int quarterTurns = fixedQuarterTurns();
    const bool randomSide = quarterTurns < 0;
    int firstBit = randomSide ? static_cast<int>(2.0 * random.draw()) : 0;
    double along = random.draw();
    if (randomSide)
        quarterTurns = 2 * static_cast<int>(2.0 * random.draw()) + firstBit;

    // Worked out for the top side in units of the box, then turned onto the chosen one.
    const bool leftOrRight = quarterTurns % 2 == 1;
    // The spawn distance in units of the box's extent away from the chosen side.
    const double across = leftOrRight ? size.x : size.y;
    const Vector2 onTop((along - 0.5) * 1.25, 0.5 + spawnDistance / across);
    const Vector2 offset = quarterTurned(onTop, quarterTurns).scaledBy(size);

    Vector2 aim;
    if (randomSide) {
        double aimX = random.draw();
        double aimY = random.draw();
        aim = Vector2((aimX - 0.5) * 0.75 * size.x, (aimY - 0.5) * 0.75 * size.y);
    } else if (leftOrRight) {
        aim = Vector2(0.0, offset.y);
    } else {
        aim = Vector2(offset.x, 0.0);
    }
    Vector2 direction = (aim - offset).normalised();
    // A zero direction has no facing to give; keep the template's own.
    if (direction == Vector2())
        direction = Vector2(1, 0);

    position = box.getCenter() + offset;
    orientation = direction;
    return isFinite(position) && isFinite(orientation);
}
