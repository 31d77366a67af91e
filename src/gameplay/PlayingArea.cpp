#include "gameplay/PlayingArea.h"

#include "core/ParamList.h"
#include "core/PointerValidator.h"
#include "physics/CollidableLine.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <algorithm>

namespace {

struct Border {
    const char* suffix;
    CollidableLine::Axis axis;
    bool atMax;
    // Crossing in this direction comes into the area; every other crossing leaves it.
    LineCrossing inward;
};

// Indexed by AreaSide.
const Border borders[4] = {
    {"-topline", CollidableLine::x, true, ToNegativeY},
    {"-bottomline", CollidableLine::x, false, ToPositiveY},
    {"-leftline", CollidableLine::y, false, ToPositiveX},
    {"-rightline", CollidableLine::y, true, ToNegativeX},
};

bool exists(Entity* entity) {
    const EventManager* manager = entity;
    return PointerValidator<EventManager>::isValid(manager);
}

} // namespace

const std::string& PlayingArea::typeName() {
    static const std::string name = "PlayingArea";
    return name;
}

PlayingArea::~PlayingArea() {
    removeLines();
}

Component* PlayingArea::createNew(const ParamList& params) const {
    AxisAlignedBox box;
    params.getRequired("area", box, typeName());
    return new PlayingArea(box);
}

AxisAlignedBox PlayingArea::getWorldArea() const {
    SceneNode* node = getNode();
    if (!node)
        return area;
    const Vector2& offset = node->getWorldPosition();
    return AxisAlignedBox(area.min + offset, area.max + offset);
}

SceneNode* PlayingArea::getLine(AreaSide side) const {
    SceneNode* line = side < lines.size() ? lines[side] : nullptr;
    if (!line || !home)
        return nullptr;
    const std::vector<SceneNode*>& children = home->getChildren();
    return std::find(children.begin(), children.end(), line) != children.end() ? line : nullptr;
}

void PlayingArea::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        removeLines();
    if (newManager)
        makeLines();
}

void PlayingArea::makeLines() {
    SceneNode* node = getNode();
    Entity* entity = getEntity();
    if (!node || !entity)
        return;
    if (home != node)
        removeLines();
    home = node;
    for (std::uint32_t side = 0; side < lines.size(); ++side) {
        if (getLine(AreaSide(side)))
            continue;
        const Border& border = borders[side];
        SceneNode* line =
            Entity::create(entity->getName() + border.suffix, {new CollidableLine(border.axis)});
        line->setPosition(border.atMax ? area.max : area.min);
        line->getEntity()->addListener(this);
        lines[side] = line;
        node->addChild(line);
    }
}

void PlayingArea::removeLines() {
    for (std::uint32_t side = 0; side < lines.size(); ++side) {
        SceneNode* line = getLine(AreaSide(side));
        lines[side] = nullptr;
        if (!line)
            continue;
        // Still in a scene (the area's entity was taken off a node that stays): the scene
        // deletes it after the update, so a delivery under way on it can finish.
        if (SceneManager* scene = line->getManager())
            scene->markForDeletion(line);
        else if (home->removeChild(line))
            delete line;
    }
    home = nullptr;
}

void PlayingArea::lineCrossed(const CollidableLineEventPtr& event) {
    Entity* lineEntity = event->getLine() ? event->getLine()->getEntity() : nullptr;
    Entity* crossing = event->getEntity();
    if (!lineEntity || !crossing)
        return;
    for (std::uint32_t side = 0; side < lines.size(); ++side) {
        SceneNode* line = getLine(AreaSide(side));
        if (!line || line->getEntity() != lineEntity)
            continue;
        const std::uint32_t left = event->getDirection() != borders[side].inward ? 1 : 0;
        EventPtr areaEvent(
            new PlayingAreaEvent(event->getTime(), crossing, this, left, AreaSide(side)));
        // Listeners may destroy this area or either entity; each delivery is checked first.
        std::weak_ptr<const void> alive = lifeToken();
        Entity* areaEntity = getEntity();
        if (exists(crossing))
            crossing->sendEvent(areaEvent);
        if (alive.expired() || !exists(areaEntity))
            return;
        areaEntity->sendEvent(areaEvent);
        if (alive.expired() || !exists(areaEntity))
            return;
        if (SceneManager* scene = areaEntity->getSceneManager())
            scene->sendEvent(areaEvent);
        return;
    }
}
