#include "gameplay/AmmoPowerUp.h"
#include "gameplay/BoostPowerUp.h"
#include "gameplay/CombatScene.h"
#include "gameplay/HealthPowerUp.h"
#include "gameplay/LimitedBulletShooter.h"
#include "gameplay/PingPowerUp.h"
#include "gameplay/PlayerPingCreator.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerShield.h"
#include "gameplay/PlayerStaticMapController.h"
#include "gameplay/ScalingPowerUp.h"
#include "gameplay/ScalingPowerUpReceptor.h"
#include "gameplay/ShieldPowerUp.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <limits>
#include <memory>

namespace {

typedef CombatScene PowerUps;

template <typename T> T* part(Entity& entity) {
    return entity.getComponent<T>(T::typeName());
}

// Each kind meets its ship, another name, and two of its name at once (only one may collect it).
TEST_F(PowerUps, EachKindGivesItsEffectOnceToTheNamedShipAndGoes) {
    typedef std::shared_ptr<Component> P;
    struct Kind {
        P powerUp, part;
        double (*reading)(Entity&);
        double before, after;
    };
    auto wounded = std::make_shared<Damageable>(100);
    wounded->setHP(50);
    const P boost(new BoostPowerUp("Player", {1, 1, 50, 1, 5}));
    const Kind kinds[] = {
        // A "full heal": the largest int added to the points must not wrap.
        {P(new HealthPowerUp("Player", INT_MAX)), wounded, [](Entity& e) { return 1.0 * hpOf(&e); },
         50, 100},
        {P(new ShieldPowerUp("Player", -0.25)), P(new PlayerShield()),
         [](Entity& e) { return part<PlayerShield>(e)->getAmount(); }, 1, 0.75},
        {boost, P(new PlayerStaticMapController(1, 1, 1000, 1)),
         [](Entity& e) { return part<PlayerStaticMapController>(e)->getMaxSpeed(); }, 1000, 1050},
        {boost, P(new PlayerScrollingMapController(100, 0, 0, 0)),
         [](Entity& e) { return part<PlayerScrollingMapController>(e)->getDriftSpeed(); }, 100,
         150},
        {P(new PingPowerUp("Player", 2, 5)), P(new PlayerPingCreator("Ping", "Camera")),
         [](Entity& e) { return part<PlayerPingCreator>(e)->getPingScale().y; }, 1, 2},
        {P(new AmmoPowerUp("Player", BulletShooter::findTemplate("ShellShot", ""), 10, {})),
         P(new LimitedBulletShooter()),
         [](Entity& e) { return 1.0 * part<LimitedBulletShooter>(e)->getAmmo(); }, 0, 10},
    };
    const std::pair<const char*, int> meetings[] = {{"Player", 1}, {"Enemy", 1}, {"Player", 2}};
    int row = 0;
    for (const Kind& kind : kinds) {
        for (const auto& [shipName, ships] : meetings) {
            Component* powerUp = kind.powerUp->clone();
            SCOPED_TRACE(powerUp->getType() + " meets " + shipName + " x" + std::to_string(ships));
            const double y = 100.0 * ++row;
            const std::string name = "PowerUp" + std::to_string(row);
            add(name, Vector2(0, y), {powerUp}, 5.0);
            std::vector<Entity*> touching;
            for (int index = 0; index < ships; ++index)
                touching.push_back(add(shipName, Vector2(-20, y),
                                       {new Movable(1.0, Vector2(100, 0)), kind.part->clone()},
                                       5.0));
            // Through and out the other side: a pickup still in place would be touched again.
            tick(30);
            int given = 0;
            for (Entity* ship : touching) {
                double now = kind.reading(*ship);
                EXPECT_TRUE(now == kind.before || now == kind.after) << now;
                given += now == kind.after;
            }
            const bool collects = std::string(shipName) == "Player";
            EXPECT_EQ(collects ? 1 : 0, given);
            EXPECT_EQ(collects, scene->findEntity(name) == nullptr);
        }
    }
}

// A receptor at scale 0.5 meets pickups {tick, amount, time, leaving}; scales at given ticks.
TEST_F(PowerUps, ReceptorScalesForTheTimeAndGetsItsOwnScaleBack) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        std::vector<std::array<double, 4>> pickups;
        std::vector<std::pair<int, double>> scales;
        // Taken out of the scene and put back within this tick.
        int reenter;
    };
    const Case cases[] = {
        {"second pickup keeps the first base",
         {{0, 3, 5}, {125, 4, 5}},
         {{124, 3}, {425, 4}, {455, 0.5}},
         -1},
        {"pickup with under a second left", {{0, 3, 1.5}, {63, 4, 1}}, {{100, 4}, {140, 0.5}}, -1},
        {"negative or NaN time counts as zero",
         {{0, 3, -2}, {5, 3, nan}},
         {{0, 3}, {2, 0.5}, {5, 3}, {7, 0.5}},
         -1},
        {"nothing to scale by, or already leaving",
         {{0, 0, 5}, {0, -2, 5}, {0, nan, 5}, {0, inf, 5}, {0, 3, 5, 1}},
         {{1, 0.5}},
         -1},
        {"re-entering within a tick", {{0, 3, 1}}, {{30, 3}, {80, 0.5}}, 10}};
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Vector2 at(1000.0 * ++row, 0);
        SceneNode* node = add("Ship", at, {new ScalingPowerUpReceptor()}, 5.0)->getNode();
        node->setScale(Vector2(0.5, 0.5));
        for (int now = 0; now <= c.scales.back().first; ++now) {
            for (const auto& [when, amount, time, leaving] : c.pickups) {
                if (when != now)
                    continue;
                Entity* item = add("Item", at, {new ScalingPowerUp(amount, time)}, 2.0);
                if (leaving)
                    item->kill();
                physics.checkCollidable(item->getComponent<Collidable>(Collidable::roleName()));
            }
            if (now == c.reenter) {
                scene->removeNode(node);
                scene->addNode(node);
            }
            for (const auto& [when, scale] : c.scales) {
                if (when == now) {
                    EXPECT_DOUBLE_EQ(scale, node->getScale().x) << "at tick " << now;
                }
            }
            tick();
        }
    }
}

} // namespace
