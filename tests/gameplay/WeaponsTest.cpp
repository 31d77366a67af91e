#include "gameplay/BulletShooterActionEvent.h"
#include "gameplay/CombatScene.h"
#include "gameplay/KillBulletWhenRemoved.h"
#include "gameplay/LimitedBulletShooter.h"
#include "gameplay/PlayerShield.h"
#include "gameplay/PlayerShieldEvent.h"
#include "gameplay/PlayerStaticMapController.h"
#include "support/RecordingListener.h"
#include "world/TargetHolder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Holds one given entity as its target, where the game's seekers find theirs in the scene.
class HeldTarget : public Component, public TargetHolder {
public:
    explicit HeldTarget(Entity* target) : target(target) {}
    const std::string& getType() const override {
        static const std::string type = "TargetSeeker";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new HeldTarget(target); }
    Component* clone() const override { return new HeldTarget(target); }
    Entity* getTarget() const override { return target; }

private:
    Entity* target;
};

class Weapons : public CombatScene {
protected:
    static BulletShooter::Muzzle muzzle(const Vector2& pos, double speed) {
        BulletShooter::Muzzle muzzle;
        muzzle.pos = pos;
        muzzle.speed = speed;
        return muzzle;
    }
    static void shoot(Entity* shooter) {
        shooter->sendEvent(EventPtr(new BulletShooterActionEvent()));
    }
    Entity* lastShell(const BulletShooter& gun) const {
        return scene->findEntity(gun.getLastBulletName());
    }
    int shells() const { return countDealing(DamageType::Bullet); }
};

TEST_F(Weapons, TurnedShipFiresFromItsUnturnedMuzzleAlongItsNose) {
    auto* gun = new BulletShooter("ShellShot", "", muzzle(Vector2(10, 0), 200.0));
    Entity* ship = add("Ship", Vector2(5, 5),
                       {new Movable(1.0), new PlayerStaticMapController(1, 1, 1, 1), gun});
    ship->getNode()->setOrientation(Vector2(0, 1));
    ship->sendEvent(EventPtr(new PlayerActionEvent(PlayerActionType::Shoot, true, 0, 0, 0.0)));
    EXPECT_EQ(shells(), 0);
    tick();
    ASSERT_EQ(shells(), 1);
    Entity* shell = lastShell(*gun);
    ASSERT_NE(shell, nullptr);
    Vector2 velocity = shell->getComponent<Movable>(Movable::typeName())->getVelocity();
    EXPECT_NEAR(velocity.x, 0.0, 1e-9);
    EXPECT_NEAR(velocity.y, 200.0, 1e-9);
    Vector2 start = shell->getNode()->getWorldPosition() - velocity * step;
    EXPECT_NEAR(start.x, 15.0, 1e-9);
    EXPECT_NEAR(start.y, 5.0, 1e-9);
}

TEST_F(Weapons, MagazineRunsOutAndRefills) {
    auto* gun = new LimitedBulletShooter("ShellShot", "", muzzle(Vector2(), 0.0), 3);
    Entity* ship = add("Ship", Vector2(), {gun});
    ASSERT_EQ(ship->getComponent("BulletShooter"), gun);
    for (int shot = 0; shot < 5; ++shot)
        gun->fire();
    EXPECT_EQ(shells(), 3);
    EXPECT_FALSE(gun->getBulletTemplate());

    gun->setBullet(sceneTemplates->getTemplate("ShellShot", ""), 0, muzzle(Vector2(), 0.0));
    for (int shot = 0; shot < 4; ++shot)
        shoot(ship);
    EXPECT_EQ(shells(), 7);
    EXPECT_EQ(gun->getAmmo(), 0u);
}

TEST_F(Weapons, BulletTemplateWithoutEntityAtItsRootMakesNoBullet) {
    auto* gun = new BulletShooter("ShellShot");
    add("Ship", Vector2(), {gun});
    gun->fire();
    ASSERT_FALSE(gun->getLastBulletName().empty());
    auto* empty = new BulletShooter("EmptyShot");
    add("Other", Vector2(), {empty});
    empty->fire();
    EXPECT_EQ(empty->getLastBulletName(), "");
}

// The shield is found as the ship's friendly-fire list, so the ship's own shell passes through
// it; a stranger's shell hurts, by half while the shield is up.
TEST_F(Weapons, ShieldedShipIsNotHurtByItsOwnBullet) {
    ParamList params;
    params.set("bullet", "1");
    params.set("shieldedBullet", "0.5");
    PlayerShield* shield = PlayerShield::fromParams(params);
    auto* gun = new BulletShooter("ShellShot");
    Entity* ship = add("Ship", Vector2(), {new Damageable(10), shield, gun}, 5.0);
    gun->fire();
    tick();
    EXPECT_EQ(hpOf(ship), 10);

    SceneTemplatePtr shot = sceneTemplates->getTemplate("ShellShot", "");
    ship->sendEvent(EventPtr(new PlayerActionEvent(PlayerActionType::Shield, true, 0, 0, 0.0)));
    shot->instantiateInScene(scene.get(), Vector2(1, 0), Vector2(1, 0), Vector2(1, 1));
    tick();
    EXPECT_EQ(hpOf(ship), 9);
    ship->sendEvent(EventPtr(new PlayerActionEvent(PlayerActionType::Shield, false, 0, 0, 0.0)));
    shot->instantiateInScene(scene.get(), Vector2(0, 1), Vector2(1, 0), Vector2(1, 1));
    tick();
    EXPECT_EQ(hpOf(ship), 6);
}

TEST_F(Weapons, ShieldDrainsWhileHeldThenRechargesAndReports) {
    ParamList params;
    params.set("drainRate", "0.5");
    params.set("rechargeRate", "0.25");
    PlayerShield* shield = PlayerShield::fromParams(params);
    Entity* ship = add("Ship", Vector2(), {shield});
    RecordingListener reports(EventType::PlayerShield);
    ship->addListener(&reports);
    ship->sendEvent(EventPtr(new PlayerActionEvent(PlayerActionType::Shield, true, 0, 0, 0.0)));
    tick(120);
    EXPECT_TRUE(shield->isShielding());
    tick(6);
    EXPECT_FALSE(shield->isShielding());
    // Empty after 2 s, then at most one step of recharge.
    EXPECT_NEAR(shield->getAmount(), 0.0, 0.25 * step + 1e-9);
    tick(240);
    EXPECT_LT(shield->getAmount(), 1.0);
    tick(10);
    EXPECT_DOUBLE_EQ(shield->getAmount(), 1.0);
    auto last = boost::static_pointer_cast<PlayerShieldEvent>(reports.heard.back());
    EXPECT_DOUBLE_EQ(last->getAmount(), 1.0);
    std::size_t heard = reports.heard.size();
    tick(5);
    EXPECT_EQ(reports.heard.size(), heard) << "a full shield has nothing to report";
    ship->removeListener(&reports);
}

TEST_F(Weapons, TimerGunFiresOnScheduleOnlyInsideItsRange) {
    Entity* player = add("Player", Vector2(50, 0), {});
    auto* gun = new BulletShooter("ShellShot", "", muzzle(Vector2(0, -100), 0.0));
    add("Turret", Vector2(), {gun, new FireBulletsOnTimer(0.1, 100.0), new HeldTarget(player)});
    tick(63);
    EXPECT_EQ(shells(), 10);
    player->getNode()->setPosition(Vector2(150, 0));
    tick(62);
    EXPECT_EQ(shells(), 10);
    player->getNode()->setPosition(Vector2(0, 99));
    tick(13);
    EXPECT_EQ(shells(), 12);
}

TEST_F(Weapons, RateShorterThanAStepFiresOncePerStep) {
    ParamList params;
    params.set("rate", "0.001");
    auto* gun = new BulletShooter("ShellShot", "", muzzle(Vector2(0, -100), 0.0));
    add("Turret", Vector2(), {gun, FireBulletsOnTimer::fromParams(params)});
    tick(10);
    EXPECT_EQ(shells(), 10);
}

TEST_F(Weapons, BeamGoesWithItsShip) {
    auto* gun = new BulletShooter("ShellShot", "", muzzle(Vector2(0, 50), 0.0));
    Entity* ship = add("Ship", Vector2(), {gun, new KillBulletWhenRemoved()});
    gun->fire();
    gun->fire();
    std::string beam = gun->getLastBulletName();
    ship->kill();
    tick(2);
    EXPECT_EQ(scene->findEntity(beam), nullptr);
    EXPECT_EQ(shells(), 1);
}

} // namespace
