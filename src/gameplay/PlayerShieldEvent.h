#pragma once

#include "core/Event.h"

#include <string>

// The shield energy (0..1) of the named entity changed. Stamped with the shield's scene time.
class PlayerShieldEvent : public Event {
public:
    PlayerShieldEvent(const std::string& entityName, double amount, double time)
        : Event(EventType::PlayerShield, time), entityName(entityName), amount(amount) {}

    const std::string& getEntityName() const { return entityName; }
    double getAmount() const { return amount; }

private:
    std::string entityName;
    double amount;
};

typedef boost::shared_ptr<PlayerShieldEvent> PlayerShieldEventPtr;
