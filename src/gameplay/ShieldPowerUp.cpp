#include "gameplay/ShieldPowerUp.h"

#include "core/ParamList.h"
#include "gameplay/PlayerShield.h"
#include "world/Entity.h"

const std::string& ShieldPowerUp::typeName() {
    static const std::string type = "ShieldPowerUp";
    return type;
}

Component* ShieldPowerUp::createNew(const ParamList& params) const {
    std::string entityName = readEntityName(params, typeName());
    double value = 0.0;
    params.getRequired("amount", value, typeName());
    return new ShieldPowerUp(entityName, value);
}

void ShieldPowerUp::applyTo(Entity& receiver) {
    if (auto* shield = receiver.getComponent<PlayerShield>(PlayerShield::typeName()))
        shield->setAmount(shield->getAmount() + amount);
}
