#pragma once

#include "core/FactoryEvent.h"
#include "core/ObjectFactory.h"
#include "core/Singleton.h"

// Creates factory events by their registered type name; stores each prototype stamped 0.0.
class EventFactory : public ObjectFactory<FactoryEvent>, public Singleton<EventFactory> {
protected:
    FactoryEvent* storedCopy(const FactoryEvent& prototype) const override {
        return prototype.clone(0.0);
    }
};
