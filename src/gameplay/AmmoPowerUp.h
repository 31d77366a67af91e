#pragma once

#include "gameplay/BulletShooter.h"
#include "gameplay/PowerUp.h"

#include <cstdint>

// Loads the entity's LimitedBulletShooter with its bullet, magazine and muzzle. Parameters:
// "entity" and "bullet" (scene template) required; "filename" (file hint), "pos", "ori", "scl",
// "speed" as for a BulletShooter, and "ammo" (0, unlimited, by default). The template is looked
// up when the power-up is made and shared with the gun it loads.
class AmmoPowerUp : public PowerUp {
public:
    static const std::string& typeName();

    AmmoPowerUp() = default;
    AmmoPowerUp(const std::string& entityName, const SceneTemplatePtr& bullet, std::uint32_t ammo,
                const BulletShooter::Muzzle& muzzle)
        : PowerUp(entityName), bullet(bullet), ammo(ammo), muzzle(muzzle) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new AmmoPowerUp(*this); }

protected:
    void applyTo(Entity& receiver) override;

private:
    SceneTemplatePtr bullet;
    std::uint32_t ammo = 0;
    BulletShooter::Muzzle muzzle;
};
