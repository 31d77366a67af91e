#include "gameplay/BoostPowerUp.h"

#include "core/ParamList.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerStaticMapController.h"
#include "world/Entity.h"

const std::string& BoostPowerUp::typeName() {
    static const std::string type = "BoostPowerUp";
    return type;
}

Component* BoostPowerUp::createNew(const ParamList& params) const {
    std::string entityName = readEntityName(params, typeName());
    Boost read;
    params.getRequired("thrustForce", read.thrustForce, typeName());
    params.getRequired("brakeForce", read.brakeForce, typeName());
    params.getRequired("maxSpeed", read.maxSpeed, typeName());
    params.getRequired("turnSpeed", read.turnSpeed, typeName());
    params.getRequired("time", read.time, typeName());
    return new BoostPowerUp(entityName, read);
}

void BoostPowerUp::applyTo(Entity& receiver) {
    const Boost& b = boost;
    if (auto* scrolling = receiver.getComponent<PlayerScrollingMapController>(
            PlayerScrollingMapController::typeName()))
        scrolling->boost(b.thrustForce, b.brakeForce, b.maxSpeed, b.turnSpeed, b.time);
    if (auto* fixed =
            receiver.getComponent<PlayerStaticMapController>(PlayerStaticMapController::typeName()))
        fixed->boost(b.thrustForce, b.brakeForce, b.maxSpeed, b.turnSpeed, b.time);
}
