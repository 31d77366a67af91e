#pragma once

#include "core/PlayerActionListener.h"
#include "gameplay/DamagedByWithExceptions.h"
#include "world/SceneProcess.h"

#include <array>

// The player's energy shield. While "Shield" is held and energy remains, incoming damage of each
// kind is further multiplied by that kind's shielded factor (0 by default: nothing gets through)
// and the energy drains; otherwise it recharges. Every change of the energy is reported with a
// PlayerShieldEvent sent to the entity (the shield bar listens). Also registered as
// "DamagedByWithExceptions", so a gun on the same ship exempts it from the ship's own bullets.
//
// While its entity is in a scene the shield is one of that scene's processes.
class PlayerShield : public DamagedByWithExceptions,
                     public PlayerActionListener,
                     public SceneProcess {
public:
    static const std::string& typeName();

    PlayerShield() { shieldedFactors.fill(0.0); }
    PlayerShield(const PlayerShield& other);
    // The DamagedByWithExceptions parameters, and, all optional, "drainRate", "rechargeRate",
    // "initialAmount" and "shieldedCollision", "shieldedExplosion", "shieldedBullet",
    // "shieldedMissile", "shieldedLaser", "shieldedEmp".
    static PlayerShield* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new PlayerShield(*this); }
    bool attach(Entity* entity) override {
        return attachAs({getType(), DamagedByWithExceptions::typeName()}, entity);
    }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    double getFactor(DamageType type) const override;

    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;
    void updateProcess(double seconds) override;

    // Clamped to 0..1 (a NaN is ignored); reported when it changes the energy.
    void setAmount(double value);
    double getAmount() const { return amount; }
    bool isShielding() const { return shielding; }

private:
    void report();

    double amount = 1.0;
    double drainRate = 0.0;
    double rechargeRate = 0.0;
    bool shielding = false;
    std::array<double, damageTypeCount> shieldedFactors;
};
