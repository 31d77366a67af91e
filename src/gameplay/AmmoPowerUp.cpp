#include "gameplay/AmmoPowerUp.h"

#include "core/ParamList.h"
#include "gameplay/LimitedBulletShooter.h"
#include "world/Entity.h"

const std::string& AmmoPowerUp::typeName() {
    static const std::string type = "AmmoPowerUp";
    return type;
}

Component* AmmoPowerUp::createNew(const ParamList& params) const {
    std::string entityName = readEntityName(params, typeName());
    std::string bulletName, fileHint;
    params.getRequired("bullet", bulletName, typeName());
    BulletShooter::Muzzle read = BulletShooter::readMuzzle(params, fileHint);
    std::uint32_t rounds = 0;
    params.get("ammo", rounds);
    return new AmmoPowerUp(entityName, BulletShooter::findTemplate(bulletName, fileHint), rounds,
                           read);
}

void AmmoPowerUp::applyTo(Entity& receiver) {
    if (auto* gun = receiver.getComponent<LimitedBulletShooter>(LimitedBulletShooter::typeName()))
        gun->setBullet(bullet, ammo, muzzle);
}
