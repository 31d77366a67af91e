#pragma once

#include "gameplay/DamageableListener.h"
#include "gameplay/Explodable.h"

// Explodes when its entity's hit points reach 0.
class ExplodeWhenHealthZero : public Explodable, public DamageableListener {
public:
    static const std::string& typeName();

    ExplodeWhenHealthZero() = default;
    explicit ExplodeWhenHealthZero(const Settings& settings) : Explodable(settings) {}
    // The Explodable parameters.
    static ExplodeWhenHealthZero* fromParams(const ParamList& params) {
        return new ExplodeWhenHealthZero(readSettings(params));
    }

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new ExplodeWhenHealthZero(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void healthChanged(const DamageableEventPtr& event) override;
};
