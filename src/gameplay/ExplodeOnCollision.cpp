#include "gameplay/ExplodeOnCollision.h"

#include "core/ParamList.h"
#include "gameplay/DamageInflicter.h"
#include "gameplay/NamedTarget.h"
#include "world/Entity.h"

const std::string& ExplodeOnCollision::typeName() {
    static const std::string type = "ExplodeOnCollision";
    return type;
}

ExplodeOnCollision* ExplodeOnCollision::fromParams(const ParamList& params) {
    Settings settings = readSettings(params);
    return new ExplodeOnCollision(settings, params.getText("target"));
}

void ExplodeOnCollision::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void ExplodeOnCollision::collisionStarted(const CollidableEventPtr& event) {
    Entity* other = event->getOther(getEntity());
    if (!other)
        return;
    auto* inflicter = other->getComponent<DamageInflicter>(DamageInflicter::typeName());
    if (!inflicter || inflicter->getDamageType() != DamageType::Collision)
        return;
    if (!target.empty()) {
        auto* named = dynamic_cast<NamedTarget*>(other->getComponent("Targetable"));
        if (!named || named->getTargetName() != target)
            return;
    }
    explode();
}
