#include "gameplay/HealthPowerUp.h"

#include "core/ParamList.h"
#include "gameplay/Damageable.h"
#include "world/Entity.h"

const std::string& HealthPowerUp::typeName() {
    static const std::string type = "HealthPowerUp";
    return type;
}

Component* HealthPowerUp::createNew(const ParamList& params) const {
    std::string entityName = readEntityName(params, typeName());
    int value = 0;
    params.getRequired("amount", value, typeName());
    return new HealthPowerUp(entityName, value);
}

void HealthPowerUp::applyTo(Entity& receiver) {
    // The sum is taken wide and clamped, so a "full heal" of the largest int cannot overflow.
    if (auto* damageable = receiver.getComponent<Damageable>(Damageable::typeName()))
        damageable->changeHP(amount);
}
