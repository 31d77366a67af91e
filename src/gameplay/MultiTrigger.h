#pragma once

#include "core/EventListener.h"
#include "gameplay/LevelTrigger.h"
#include "world/Component.h"

#include <cstdint>

// Starts its script once, on the n-th MultiTriggerActionEvent sent to its entity, if the entity
// is in a scene then; later events change nothing. A count of 0 never fires. A copy carries on
// from the count the original had reached.
class MultiTrigger : public Component, public EventListener {
public:
    static const std::string& typeName();

    MultiTrigger() : MultiTrigger(LevelTrigger(), 0) {}
    MultiTrigger(const LevelTrigger& trigger, std::uint32_t number)
        : EventListener(EventType::MultiTriggerAction), trigger(trigger), remaining(number) {}

    const std::string& getType() const override { return typeName(); }
    // "number" (unsigned) and "script" are required; "file" is the script's file hint.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new MultiTrigger(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void handleEvent(const EventPtr& event) override;
    std::uint32_t getRemaining() const { return remaining; }

private:
    LevelTrigger trigger;
    std::uint32_t remaining;
};
