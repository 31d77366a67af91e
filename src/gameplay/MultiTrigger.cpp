#include "gameplay/MultiTrigger.h"

#include "core/ParamList.h"
#include "world/Entity.h"

const std::string& MultiTrigger::typeName() {
    static const std::string type = "MultiTrigger";
    return type;
}

Component* MultiTrigger::createNew(const ParamList& params) const {
    std::uint32_t number = 0;
    params.getRequired("number", number, typeName());
    return new MultiTrigger(LevelTrigger::fromParams(params, typeName()), number);
}

void MultiTrigger::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void MultiTrigger::handleEvent(const EventPtr&) {
    if (remaining == 0)
        return;
    if (--remaining == 0)
        trigger.fire(getSceneManager());
}
