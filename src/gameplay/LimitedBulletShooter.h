#pragma once

#include "gameplay/BulletShooter.h"

#include <cstdint>

// A gun with a magazine: each shot uses one round, and the last one empties the gun (it drops
// its bullet) until setBullet loads another (ammunition power-ups). An ammunition count of 0
// means unlimited. Also registered as "BulletShooter", so everything that looks for a gun finds
// it.
class LimitedBulletShooter : public BulletShooter {
public:
    static const std::string& typeName();

    explicit LimitedBulletShooter(const std::string& bullet = std::string(),
                                  const std::string& fileHint = std::string(),
                                  const Muzzle& muzzle = Muzzle(), std::uint32_t ammo = 0)
        : BulletShooter(bullet, fileHint, muzzle), ammo(ammo) {}
    // Every parameter is optional: "bullet", "filename", "pos", "ori", "scl", "speed", "ammo".
    static LimitedBulletShooter* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new LimitedBulletShooter(*this); }
    bool attach(Entity* entity) override {
        return attachAs({getType(), BulletShooter::typeName()}, entity);
    }

    void fire() override;
    // Replaces bullet, magazine and muzzle; the template is loaded at once.
    virtual void setBullet(const SceneTemplatePtr& bullet, std::uint32_t ammo,
                           const Muzzle& muzzle);

    std::uint32_t getAmmo() const { return ammo; }

private:
    std::uint32_t ammo;
};
