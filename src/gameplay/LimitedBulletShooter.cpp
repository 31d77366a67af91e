#include "gameplay/LimitedBulletShooter.h"

#include "core/ParamList.h"

const std::string& LimitedBulletShooter::typeName() {
    static const std::string type = "LimitedBulletShooter";
    return type;
}

LimitedBulletShooter* LimitedBulletShooter::fromParams(const ParamList& params) {
    std::string bullet, fileHint;
    params.get("bullet", bullet);
    Muzzle muzzle = readMuzzle(params, fileHint);
    std::uint32_t ammo = 0;
    params.get("ammo", ammo);
    return new LimitedBulletShooter(bullet, fileHint, muzzle, ammo);
}

void LimitedBulletShooter::fire() {
    if (!bulletTemplate)
        return;
    BulletShooter::fire();
    if (ammo != 0 && --ammo == 0)
        bulletTemplate.reset();
}

void LimitedBulletShooter::setBullet(const SceneTemplatePtr& bullet, std::uint32_t newAmmo,
                                     const Muzzle& newMuzzle) {
    bulletTemplate = bullet;
    ammo = newAmmo;
    muzzle = newMuzzle;
    if (bulletTemplate)
        bulletTemplate->load();
}
