#pragma once

#include "core/TimerListener.h"
#include "gameplay/DamageInflicter.h"
#include "physics/CollidableListener.h"
#include "world/Component.h"

#include <array>
#include <string>

class ParamList;
class Timer;

// Turns the start of a contact with a DamageInflicter into lost hit points: the inflicter's
// damage times this component's factor for its kind (a negative factor heals). After a hurt
// that did damage, a recovery time makes the entity invulnerable; a Timer named
// "DamagedByTimer" in the scene's process list, sent to this entity, ends it. With damageParent
// the points come off the nearest ancestor entity instead.
class DamagedBy : public Component, public CollidableListener, public TimerListener {
public:
    static const std::string& typeName();
    static const std::string& timerName();

    DamagedBy() { factors.fill(0.0); }
    DamagedBy(const DamagedBy& other);
    ~DamagedBy() override;
    // Every parameter is optional: "collision", "explosion", "bullet", "missile", "laser", "emp",
    // "recoveryTime", "damageParent".
    static DamagedBy* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new DamagedBy(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    virtual double getFactor(DamageType type) const;
    virtual void setFactor(DamageType type, double factor);

    void collisionStarted(const CollidableEventPtr& event) override;
    void timerExpired(const boost::shared_ptr<TimerEvent>& event) override;

    bool isRecovering() const { return recovering; }
    double getRecoveryTime() const { return recoveryTime; }
    bool getDamageParent() const { return damageParent; }

protected:
    // Reads the parameters shared by every damaged-by component into this one.
    void readParams(const ParamList& params);
    // Damage from the other entity of a contact, with every rule above.
    void takeDamageFrom(Entity* other);

private:
    // Ends a running recovery at once (the timer would report to an entity or scene that is gone).
    void stopRecovery();

    std::array<double, damageTypeCount> factors;
    double recoveryTime = 0.0;
    bool damageParent = false;
    bool recovering = false;
    // Owned by the scene's process manager; valid until it fires or is cancelled here.
    Timer* recoveryTimer = nullptr;
};
