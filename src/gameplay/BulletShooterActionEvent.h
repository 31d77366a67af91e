#pragma once

#include "core/FactoryEvent.h"

// Makes the gun of the entity it reaches fire once. Data files name it "BulletShooterAction".
class BulletShooterActionEvent : public FactoryEvent {
public:
    explicit BulletShooterActionEvent(double time = 0.0)
        : FactoryEvent(EventType::BulletShooterAction, time) {}

    static const std::string& typeName();
    const std::string& getType() const override { return typeName(); }
    // Only "time" (optional, default 0.0).
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override { return new BulletShooterActionEvent(time); }
};
