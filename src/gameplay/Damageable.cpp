#include "gameplay/Damageable.h"

#include "core/ParamList.h"
#include "gameplay/DamageableActionEvent.h"
#include "gameplay/DamageableEvent.h"
#include "world/Entity.h"

#include <algorithm>
#include <cmath>

const std::string& Damageable::typeName() {
    static const std::string type = "Damageable";
    return type;
}

Damageable::Damageable(int totalHP)
    : EventListener(EventType::DamageableAction), hp(std::max(totalHP, 0)),
      totalHP(std::max(totalHP, 0)) {}

Damageable::Damageable(const Damageable& other)
    : Component(other), EventListener(other), hp(other.hp), totalHP(other.totalHP) {}

Damageable* Damageable::fromParams(const ParamList& params) {
    int total = 0;
    params.getRequired("totalHP", total, typeName());
    return new Damageable(total);
}

void Damageable::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void Damageable::handleEvent(const EventPtr& event) {
    const auto& action = static_cast<const DamageableActionEvent&>(*event);
    switch (action.getAction()) {
    case DamageableActionEvent::SetHP:
        setHP(action.getHP());
        break;
    case DamageableActionEvent::ChangeHP:
        changeHP(action.getHP());
        break;
    case DamageableActionEvent::RestoreHP:
        setHP(totalHP);
        break;
    case DamageableActionEvent::ScaleHP:
        scaleHP(action.getReal());
        break;
    }
}

void Damageable::setHP(int value) {
    int clamped = value < 1 ? 0 : std::min(value, totalHP);
    int old = hp;
    hp = clamped;
    if (Entity* entity = getEntity(); entity && clamped != old)
        entity->queueEvent(EventPtr(new DamageableEvent(entity->getName(), hp, totalHP)));
}

void Damageable::changeHP(double delta) {
    setHPFrom(static_cast<double>(hp) + delta);
}

void Damageable::scaleHP(double factor) {
    setHPFrom(static_cast<double>(hp) * factor);
}

void Damageable::setHPFrom(double value) {
    if (!std::isfinite(value))
        return;
    // Clamped before the conversion: a double outside the int range may not be converted.
    double clamped = std::clamp(std::trunc(value), 0.0, static_cast<double>(totalHP));
    setHP(static_cast<int>(clamped));
}
