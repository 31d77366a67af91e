#include "gameplay/DamagedBy.h"

#include "core/ParamList.h"
#include "core/Timer.h"
#include "gameplay/Damageable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <cmath>

namespace {
const char* const factorNames[damageTypeCount] = {"collision", "explosion", "bullet",
                                                  "missile",   "laser",     "emp"};
}

const std::string& DamagedBy::typeName() {
    static const std::string type = "DamagedBy";
    return type;
}

const std::string& DamagedBy::timerName() {
    static const std::string name = "DamagedByTimer";
    return name;
}

DamagedBy::DamagedBy(const DamagedBy& other)
    : Component(other), CollidableListener(other), TimerListener(other), factors(other.factors),
      recoveryTime(other.recoveryTime), damageParent(other.damageParent) {}

DamagedBy::~DamagedBy() {
    stopRecovery();
}

DamagedBy* DamagedBy::fromParams(const ParamList& params) {
    auto* made = new DamagedBy();
    made->readParams(params);
    return made;
}

void DamagedBy::readParams(const ParamList& params) {
    for (int index = 0; index < damageTypeCount; ++index)
        params.get(factorNames[index], factors[index]);
    params.get("recoveryTime", recoveryTime);
    params.get("damageParent", damageParent);
}

void DamagedBy::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        stopRecovery();
        oldEntity->removeListener(static_cast<CollidableListener*>(this));
        oldEntity->removeListener(static_cast<TimerListener*>(this));
    }
    if (newEntity) {
        newEntity->addListener(static_cast<CollidableListener*>(this));
        newEntity->addListener(static_cast<TimerListener*>(this));
    }
}

void DamagedBy::managerChanged(SceneManager*, SceneManager* oldManager) {
    // The timer runs in the old scene's process list, which may be destroyed next.
    if (oldManager)
        stopRecovery();
}

double DamagedBy::getFactor(DamageType type) const {
    return factors[static_cast<int>(type)];
}

void DamagedBy::setFactor(DamageType type, double factor) {
    factors[static_cast<int>(type)] = factor;
}

void DamagedBy::collisionStarted(const CollidableEventPtr& event) {
    takeDamageFrom(event->getOther(getEntity()));
}

void DamagedBy::takeDamageFrom(Entity* other) {
    Entity* entity = getEntity();
    if (recovering || !entity || !other)
        return;
    auto* inflicter = other->getComponent<DamageInflicter>(DamageInflicter::typeName());
    Entity* target = damageParent ? entity->getParentEntity() : entity;
    auto* damageable = target ? target->getComponent<Damageable>(Damageable::typeName()) : nullptr;
    if (!inflicter || !damageable)
        return;
    double amount = std::trunc(inflicter->getDamage() * getFactor(inflicter->getDamageType()));
    if (!std::isfinite(amount))
        return;
    damageable->changeHP(-amount);
    SceneManager* scene = getSceneManager();
    if (recoveryTime > 0.0 && amount > 0.0 && scene) {
        recovering = true;
        recoveryTimer = new Timer(timerName(), entity, recoveryTime);
        scene->addProcess(recoveryTimer);
    }
}

void DamagedBy::timerExpired(const boost::shared_ptr<TimerEvent>& event) {
    if (event->getName() != timerName())
        return;
    recovering = false;
    recoveryTimer = nullptr;
}

void DamagedBy::stopRecovery() {
    if (recoveryTimer)
        recoveryTimer->kill();
    recoveryTimer = nullptr;
    recovering = false;
}
