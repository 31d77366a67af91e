#include "gameplay/KillBulletWhenRemoved.h"

#include "gameplay/BulletShooter.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

const std::string& KillBulletWhenRemoved::typeName() {
    static const std::string type = "KillBulletWhenRemoved";
    return type;
}

void KillBulletWhenRemoved::managerChanged(SceneManager*, SceneManager* oldManager) {
    auto* gun = getSibling<BulletShooter>(BulletShooter::typeName());
    if (!oldManager || !gun || gun->getLastBulletName().empty())
        return;
    if (Entity* bullet = oldManager->findEntity(gun->getLastBulletName()))
        oldManager->markForDeletion(bullet->getNode());
}
