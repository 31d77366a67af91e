#include "gameplay/PreventFromLeavingArea.h"

#include "core/ParamList.h"
#include "gameplay/PlayingArea.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

const std::string& PreventFromLeavingArea::typeName() {
    static const std::string name = "PreventFromLeavingArea";
    return name;
}

Component* PreventFromLeavingArea::createNew(const ParamList& params) const {
    std::string area;
    params.getRequired("playingArea", area, std::string());
    return new PreventFromLeavingArea(area);
}

void PreventFromLeavingArea::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void PreventFromLeavingArea::areaLeft(const PlayingAreaEventPtr& event) {
    Entity* entity = getEntity();
    SceneNode* node = getNode();
    PlayingArea* area = event->getArea();
    Entity* areaEntity = area ? area->getEntity() : nullptr;
    if (!node || event->getEntity() != entity || !areaEntity ||
        areaEntity->getName() != playingArea)
        return;
    const AxisAlignedBox world = area->getWorldArea();
    Vector2 position = node->getWorldPosition();
    switch (event->getSide()) {
    case Top:
        position.y = world.max.y;
        break;
    case Bottom:
        position.y = world.min.y;
        break;
    case Left:
        position.x = world.min.x;
        break;
    case Right:
        position.x = world.max.x;
        break;
    }
    node->setPosition(position, SceneNode::World);
}
