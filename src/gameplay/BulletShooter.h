#pragma once

#include "core/EventListener.h"
#include "core/Vector2.h"
#include "world/Component.h"
#include "world/SceneTemplate.h"

#include <string>

class ParamList;

// How a muzzle sits on the shooter and how fast a bullet leaves it.
struct BulletMuzzle {
    // Added to the shooter's world position as it is, not turned with the shooter.
    Vector2 pos{0.0, 0.0};
    // A unit direction composed with the shooter's world orientation.
    Vector2 ori{1.0, 0.0};
    // Multiplied per axis with the shooter's world scale.
    Vector2 scl{1.0, 1.0};
    double speed = 0.0;
};

// The gun: every BulletShooterActionEvent that reaches its entity fires one bullet, a scene
// template placed at the muzzle (the shooter's world transform with the offsets applied) and
// given the muzzle speed along its facing. A bullet template has one root node, whose entity is
// the bullet; the bullets belong to the scene.
class BulletShooter : public Component, public EventListener {
public:
    typedef BulletMuzzle Muzzle;

    static const std::string& typeName();

    // The template is looked up at once (fileHint may be empty) and loaded when first fired; an
    // empty name, or no SceneTemplateManager, leaves the gun without one.
    explicit BulletShooter(const std::string& bullet = std::string(),
                           const std::string& fileHint = std::string(),
                           const Muzzle& muzzle = Muzzle());
    BulletShooter(const BulletShooter& other);
    // "bullet" is required; "filename", "pos", "ori", "scl" and "speed" are optional.
    static BulletShooter* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new BulletShooter(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    // Fires on a BulletShooterActionEvent.
    void handleEvent(const EventPtr& event) override;

    virtual void fire();
    // The name of the last bullet's entity; empty before the first shot or when the last one
    // made none.
    virtual const std::string& getLastBulletName() const { return lastBulletName; }

    const SceneTemplatePtr& getBulletTemplate() const { return bulletTemplate; }
    const Muzzle& getMuzzle() const { return muzzle; }

    // Reads "filename", "pos", "ori", "scl" and "speed"; "bullet" is left to the caller.
    static Muzzle readMuzzle(const ParamList& params, std::string& fileHint);
    static SceneTemplatePtr findTemplate(const std::string& name, const std::string& fileHint);

protected:
    SceneTemplatePtr bulletTemplate;
    Muzzle muzzle;

private:
    // Neither the shooter nor any entity above it is hurt by the bullet, nor the bullet by them.
    static void exemptFromFriendlyFire(Entity* shooter, Entity* bullet);

    std::string lastBulletName;
};
