#include "gameplay/PlayerShield.h"

#include "core/ParamList.h"
#include "gameplay/PlayerShieldEvent.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <algorithm>
#include <cmath>

namespace {
const char* const shieldedNames[damageTypeCount] = {"shieldedCollision", "shieldedExplosion",
                                                    "shieldedBullet",    "shieldedMissile",
                                                    "shieldedLaser",     "shieldedEmp"};
}

const std::string& PlayerShield::typeName() {
    static const std::string type = "PlayerShield";
    return type;
}

PlayerShield::PlayerShield(const PlayerShield& other)
    : DamagedByWithExceptions(other), PlayerActionListener(other), SceneProcess(),
      amount(other.amount), drainRate(other.drainRate), rechargeRate(other.rechargeRate),
      shieldedFactors(other.shieldedFactors) {}

PlayerShield* PlayerShield::fromParams(const ParamList& params) {
    auto* made = new PlayerShield();
    made->readParams(params);
    made->readExceptions(params);
    params.get("drainRate", made->drainRate);
    params.get("rechargeRate", made->rechargeRate);
    double initial = 1.0;
    params.get("initialAmount", initial);
    made->amount = std::clamp(initial, 0.0, 1.0);
    for (int index = 0; index < damageTypeCount; ++index)
        params.get(shieldedNames[index], made->shieldedFactors[index]);
    return made;
}

void PlayerShield::entityChanged(Entity* newEntity, Entity* oldEntity) {
    DamagedByWithExceptions::entityChanged(newEntity, oldEntity);
    if (oldEntity)
        oldEntity->removeListener(static_cast<PlayerActionListener*>(this));
    if (newEntity)
        newEntity->addListener(static_cast<PlayerActionListener*>(this));
}

void PlayerShield::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    DamagedByWithExceptions::managerChanged(newManager, oldManager);
    followScene(newManager, oldManager);
}

double PlayerShield::getFactor(DamageType type) const {
    double factor = DamagedBy::getFactor(type);
    return shielding ? factor * shieldedFactors[static_cast<int>(type)] : factor;
}

void PlayerShield::actionStarted(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Shield)
        shielding = amount > 0.0;
}

void PlayerShield::actionStopped(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Shield)
        shielding = false;
}

void PlayerShield::updateProcess(double seconds) {
    double old = amount;
    if (shielding) {
        amount -= drainRate * seconds;
        if (amount <= 0.0) {
            amount = 0.0;
            shielding = false;
        }
    } else {
        amount = std::clamp(amount + rechargeRate * seconds, 0.0, 1.0);
    }
    // A NaN rate in the data must not leave the energy unreadable for ever.
    if (std::isnan(amount))
        amount = old;
    if (amount != old)
        report();
}

void PlayerShield::setAmount(double value) {
    if (std::isnan(value))
        return;
    double clamped = std::clamp(value, 0.0, 1.0);
    if (clamped == amount)
        return;
    amount = clamped;
    report();
}

void PlayerShield::report() {
    Entity* entity = getEntity();
    if (!entity)
        return;
    SceneManager* scene = getSceneManager();
    double now = scene ? scene->getTotalTime() : 0.0;
    entity->sendEvent(EventPtr(new PlayerShieldEvent(entity->getName(), amount, now)));
}
