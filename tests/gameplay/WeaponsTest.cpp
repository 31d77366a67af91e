#include "gameplay/BulletShooterActionEvent.h"
#include "gameplay/CombatScene.h"
#include "gameplay/LimitedBulletShooter.h"
#include "gameplay/PlayerShield.h"
#include "gameplay/PlayerStaticMapController.h"
#include "gameplay/TargetSeeker.h"
#include "gameplay/Targetable.h"

#include <gtest/gtest.h>

namespace {

class Weapons : public CombatScene {
protected:
    static BulletMuzzle muzzle(const Vector2& pos, double speed = 0.0) {
        return BulletMuzzle{pos, {1, 0}, {1, 1}, speed};
    }
    int shells() const { return countDealing(DamageType::Bullet); }
    static void send(Entity* ship, PlayerActionType action, bool active) {
        ship->sendEvent(EventPtr(new PlayerActionEvent(action, active, 0, 0, 0.0)));
    }
};

TEST_F(Weapons, TurnedShipFiresFromItsUnturnedMuzzleAlongItsNose) {
    auto* gun = new BulletShooter("ShellShot", "", muzzle(Vector2(10, 0), 200.0));
    Entity* ship = add("Ship", Vector2(5, 5),
                       {new Movable(1.0), new PlayerStaticMapController(1, 1, 1, 1), gun});
    ship->getNode()->setOrientation(Vector2(0, 1));
    send(ship, PlayerActionType::Shoot, true);
    EXPECT_EQ(shells(), 0);
    tick();
    ASSERT_EQ(shells(), 1);
    Entity* shell = scene->findEntity(gun->getLastBulletName());
    ASSERT_NE(shell, nullptr);
    const Vector2 velocity = shell->getComponent<Movable>(Movable::typeName())->getVelocity();
    EXPECT_NEAR(0, (velocity - Vector2(0, 200)).length(), 1e-9);
    const Vector2 start = shell->getNode()->getWorldPosition() - velocity * step;
    EXPECT_NEAR(0, (start - Vector2(15, 5)).length(), 1e-9);
}

TEST_F(Weapons, MagazineRunsOutAndRefills) {
    auto* gun = new LimitedBulletShooter("ShellShot", "", muzzle(Vector2()), 3);
    Entity* ship = add("Ship", Vector2(), {gun});
    ASSERT_EQ(ship->getComponent("BulletShooter"), gun);
    for (int shot = 0; shot < 5; ++shot)
        gun->fire();
    EXPECT_EQ(shells(), 3);
    EXPECT_FALSE(gun->getBulletTemplate());
    gun->setBullet(sceneTemplates->getTemplate("ShellShot", ""), 0, muzzle(Vector2()));
    for (int shot = 0; shot < 4; ++shot)
        ship->sendEvent(EventPtr(new BulletShooterActionEvent()));
    EXPECT_EQ(shells(), 7);
    EXPECT_EQ(gun->getAmmo(), 0u);
}

// The ship's own shell passes its shield; a stranger's hurts, by half while the shield is up.
TEST_F(Weapons, ShieldedShipIsNotHurtByItsOwnBullet) {
    auto* gun = new BulletShooter("ShellShot");
    auto* shield = PlayerShield::fromParams(paramList("bullet=1 shieldedBullet=0.5"));
    Entity* ship = add("Ship", Vector2(), {new Damageable(10), shield, gun}, 5.0);
    gun->fire();
    tick();
    EXPECT_EQ(hpOf(ship), 10);
    SceneTemplatePtr shot = sceneTemplates->getTemplate("ShellShot", "");
    for (bool shielded : {true, false}) {
        send(ship, PlayerActionType::Shield, shielded);
        shot->instantiateInScene(scene.get(), Vector2(shielded, !shielded), Vector2(1, 0),
                                 Vector2(1, 1));
        tick();
        EXPECT_EQ(hpOf(ship), shielded ? 9 : 6);
    }
}

TEST_F(Weapons, TimerGunFiresOnScheduleOnlyInsideItsRange) {
    Entity* player = add("Player", Vector2(50, 0), {new Targetable("Player")});
    add("Turret", Vector2(),
        {new BulletShooter("ShellShot", "", muzzle(Vector2(0, -100))),
         new FireBulletsOnTimer(0.1, 100.0), new TargetSeeker("Player")});
    tick(63);
    EXPECT_EQ(shells(), 10);
    player->getNode()->setPosition(Vector2(150, 0));
    tick(62);
    EXPECT_EQ(shells(), 10);
    player->getNode()->setPosition(Vector2(0, 99));
    tick(13);
    EXPECT_EQ(shells(), 12);

    player->getNode()->setPosition(Vector2(150, 0));
    add("Fast", Vector2(),
        {new BulletShooter("ShellShot", "", muzzle(Vector2(0, -100))),
         FireBulletsOnTimer::fromParams(paramList("rate=0.001"))});
    tick(10); // a rate shorter than a step fires once per step
    EXPECT_EQ(shells(), 22);
}

} // namespace
