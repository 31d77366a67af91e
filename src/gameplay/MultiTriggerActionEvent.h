#pragma once

#include "core/FactoryEvent.h"

// Counts once towards the MultiTrigger of the entity it reaches. Data files name it
// "MultiTriggerAction".
class MultiTriggerActionEvent : public FactoryEvent {
public:
    explicit MultiTriggerActionEvent(double time = 0.0)
        : FactoryEvent(EventType::MultiTriggerAction, time) {}

    static const std::string& typeName();
    const std::string& getType() const override { return typeName(); }
    // Only "time" (optional, default 0.0).
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override { return new MultiTriggerActionEvent(time); }
};
