#include "gameplay/BulletShooter.h"

#include "core/ParamList.h"
#include "gameplay/DamagedByWithExceptions.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/SceneTemplateManager.h"

namespace {
DamagedByWithExceptions* exceptionsOf(Entity* entity) {
    return entity->getComponent<DamagedByWithExceptions>(DamagedByWithExceptions::typeName());
}
} // namespace

const std::string& BulletShooter::typeName() {
    static const std::string type = "BulletShooter";
    return type;
}

BulletShooter::BulletShooter(const std::string& bullet, const std::string& fileHint,
                             const Muzzle& muzzle)
    : EventListener(EventType::BulletShooterAction), bulletTemplate(findTemplate(bullet, fileHint)),
      muzzle(muzzle) {}

BulletShooter::BulletShooter(const BulletShooter& other)
    : Component(other), EventListener(other), bulletTemplate(other.bulletTemplate),
      muzzle(other.muzzle) {}

SceneTemplatePtr BulletShooter::findTemplate(const std::string& name, const std::string& fileHint) {
    SceneTemplateManager* templates = SceneTemplateManager::getSingletonPtr();
    if (!templates || name.empty())
        return SceneTemplatePtr();
    return templates->getTemplate(name, fileHint);
}

BulletShooter::Muzzle BulletShooter::readMuzzle(const ParamList& params, std::string& fileHint) {
    Muzzle muzzle;
    params.get("filename", fileHint);
    params.get("pos", muzzle.pos);
    params.get("ori", muzzle.ori);
    params.get("scl", muzzle.scl);
    params.get("speed", muzzle.speed);
    // A zero direction would shrink every bullet to a point.
    muzzle.ori = muzzle.ori.lengthSquared() > 0.0 ? muzzle.ori.normalised() : Vector2(1.0, 0.0);
    return muzzle;
}

BulletShooter* BulletShooter::fromParams(const ParamList& params) {
    std::string bullet, fileHint;
    params.getRequired("bullet", bullet, typeName());
    Muzzle muzzle = readMuzzle(params, fileHint);
    return new BulletShooter(bullet, fileHint, muzzle);
}

void BulletShooter::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void BulletShooter::handleEvent(const EventPtr&) {
    fire();
}

void BulletShooter::fire() {
    Entity* shooter = getEntity();
    SceneNode* node = getNode();
    SceneManager* scene = getSceneManager();
    if (!bulletTemplate || !shooter || !node || !scene)
        return;
    bulletTemplate->load();
    if (bulletTemplate->loadFailed())
        return;
    Vector2 position = node->getWorldPosition() + muzzle.pos;
    Vector2 orientation = muzzle.ori.rotatedBy(node->getWorldOrientation());
    Vector2 scale = muzzle.scl.scaledBy(node->getWorldScale());
    SceneNode* root = bulletTemplate->instantiateInScene(scene, position, orientation, scale);
    if (!root)
        return;
    Entity* bullet = root->getEntity();
    // A template whose root carries no entity still makes its nodes; there is just no bullet to
    // set up or to remember.
    lastBulletName = bullet ? bullet->getName() : std::string();
    if (!bullet)
        return;
    exemptFromFriendlyFire(shooter, bullet);
    if (auto* movable = bullet->getComponent<Movable>(Movable::typeName())) {
        Vector2 push = Vector2(muzzle.speed, 0.0).rotatedBy(root->getWorldOrientation());
        movable->setVelocity(movable->getVelocity() + push);
    }
}

void BulletShooter::exemptFromFriendlyFire(Entity* shooter, Entity* bullet) {
    DamagedByWithExceptions* bulletExceptions = exceptionsOf(bullet);
    for (Entity* walked = shooter; walked; walked = walked->getParentEntity()) {
        if (DamagedByWithExceptions* own = exceptionsOf(walked))
            own->addException(bullet->getName());
        if (bulletExceptions)
            bulletExceptions->addException(walked->getName());
    }
}
