#pragma once

#include "core/Event.h"

#include <string>

// The hit points of the named entity changed. Queued on that entity by its Damageable.
class DamageableEvent : public Event {
public:
    DamageableEvent(const std::string& entityName, int hp, int totalHP)
        : Event(EventType::Damageable, 0.0), entityName(entityName), hp(hp), totalHP(totalHP) {}

    const std::string& getEntityName() const { return entityName; }
    int getHP() const { return hp; }
    int getTotalHP() const { return totalHP; }

private:
    std::string entityName;
    int hp;
    int totalHP;
};

typedef boost::shared_ptr<DamageableEvent> DamageableEventPtr;
