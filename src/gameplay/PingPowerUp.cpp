#include "gameplay/PingPowerUp.h"

#include "core/ParamList.h"
#include "gameplay/PlayerPingCreator.h"
#include "world/Entity.h"

const std::string& PingPowerUp::typeName() {
    static const std::string type = "PingPowerUp";
    return type;
}

Component* PingPowerUp::createNew(const ParamList& params) const {
    std::string entityName = readEntityName(params, typeName());
    double amount = 0.0, time = 0.0;
    params.getRequired("amount", amount, typeName());
    params.getRequired("time", time, typeName());
    return new PingPowerUp(entityName, amount, time);
}

void PingPowerUp::applyTo(Entity& receiver) {
    if (auto* creator = receiver.getComponent<PlayerPingCreator>(PlayerPingCreator::typeName()))
        creator->enlargePing(Vector2(amount, amount), time);
}
