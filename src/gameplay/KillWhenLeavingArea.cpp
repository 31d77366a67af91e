#include "gameplay/KillWhenLeavingArea.h"

#include "core/ParamList.h"
#include "gameplay/PlayingArea.h"
#include "gameplay/RemovalReward.h"
#include "world/ComponentRegistry.h"
#include "world/Entity.h"

const std::string& KillWhenLeavingArea::typeName() {
    static const std::string name = "KillWhenLeavingArea";
    return name;
}

Component* KillWhenLeavingArea::createNew(const ParamList& params) const {
    std::string area;
    params.getRequired("playingArea", area, std::string());
    return new KillWhenLeavingArea(area);
}

void KillWhenLeavingArea::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void KillWhenLeavingArea::areaLeft(const PlayingAreaEventPtr& event) {
    Entity* entity = getEntity();
    PlayingArea* area = event->getArea();
    Entity* areaEntity = area ? area->getEntity() : nullptr;
    if (!entity || event->getEntity() != entity || !areaEntity ||
        areaEntity->getName() != playingArea)
        return;
    for (const char* rewardType : {"Scoreable", "CountableObject"}) {
        auto* reward =
            dynamic_cast<RemovalReward*>(ComponentRegistry::getComponent(rewardType, entity));
        if (reward)
            reward->forfeit();
    }
    entity->kill();
}
