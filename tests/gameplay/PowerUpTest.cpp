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

#include <limits>
#include <sstream>

namespace {

// From "name=value" pairs separated by spaces.
ParamList params(const std::string& text) {
    ParamList list;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        list.set(word.substr(0, word.find('=')), word.substr(word.find('=') + 1));
    return list;
}

template <typename T> T* part(Entity& entity) {
    return entity.getComponent<T>(T::typeName());
}
template <typename T> Component* make(const ParamList& params) {
    return T().createNew(params);
}

typedef CombatScene PowerUps;

Component* wounded() {
    auto* damageable = new Damageable(100);
    damageable->setHP(50);
    return damageable;
}

// Each kind meets one ship of the name it serves, a ship of another name, and two ships of its
// name that touch it in the same step: only the first of those two may collect it.
TEST_F(PowerUps, EachKindGivesItsEffectOnceToTheNamedShipAndGoes) {
    struct Kind {
        Component* (*make)(const ParamList&);
        const char* params;
        Component* (*part)();
        double (*reading)(Entity&);
        double before, after;
    };
    const char* boost = "thrustForce=1 brakeForce=1 maxSpeed=50 turnSpeed=1 time=5";
    const Kind kinds[] = {
        // A "full heal": the largest int added to the points must not wrap.
        {make<HealthPowerUp>, "amount=2147483647", wounded,
         [](Entity& e) { return 1.0 * hpOf(&e); }, 50, 100},
        {make<ShieldPowerUp>, "amount=0.5",
         [] {
             return static_cast<Component*>(PlayerShield::fromParams(params("initialAmount=.25")));
         },
         [](Entity& e) { return part<PlayerShield>(e)->getAmount(); }, 0.25, 0.75},
        {make<BoostPowerUp>, boost,
         []() -> Component* { return new PlayerStaticMapController(1, 1, 1000, 1); },
         [](Entity& e) { return part<PlayerStaticMapController>(e)->getMaxSpeed(); }, 1000, 1050},
        {make<BoostPowerUp>, boost,
         []() -> Component* { return new PlayerScrollingMapController(100, 0, 0, 0); },
         [](Entity& e) { return part<PlayerScrollingMapController>(e)->getDriftSpeed(); }, 100,
         150},
        {make<PingPowerUp>, "amount=2 time=5",
         []() -> Component* { return new PlayerPingCreator("Ping", "Camera"); },
         [](Entity& e) { return part<PlayerPingCreator>(e)->getPingScale().y; }, 1, 2},
        {make<AmmoPowerUp>, "bullet=ShellShot ammo=10",
         []() -> Component* { return new LimitedBulletShooter(); },
         [](Entity& e) {
             auto* gun = part<LimitedBulletShooter>(e);
             return gun->getBulletTemplate() ? gun->getAmmo() : -1.0;
         },
         -1, 10},
    };
    const std::pair<const char*, int> meetings[] = {{"Player", 1}, {"Enemy", 1}, {"Player", 2}};
    int row = 0;
    for (const Kind& kind : kinds) {
        for (const auto& [shipName, ships] : meetings) {
            Component* powerUp = kind.make(params(std::string("entity=Player ") + kind.params));
            SCOPED_TRACE(powerUp->getType() + " meets " + shipName + " x" + std::to_string(ships));
            const double y = 100.0 * ++row;
            const std::string name = "PowerUp" + std::to_string(row);
            add(name, Vector2(0, y), {powerUp}, 5.0);
            std::vector<Entity*> touching;
            for (int index = 0; index < ships; ++index)
                touching.push_back(add(shipName, Vector2(-20, y),
                                       {new Movable(1.0, Vector2(100, 0)), kind.part()}, 5.0));
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

// A receptor at scale 0.5 touched by scaling power-ups at the given ticks; its scale is checked
// at the given ticks, and how many power-ups are left at the end.
TEST_F(PowerUps, ReceptorScalesForTheTimeAndGetsItsOwnScaleBack) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Pickup {
        int tick;
        double amount, time;
        bool leaving = false;
    };
    struct Case {
        const char* name;
        std::vector<Pickup> pickups;
        std::vector<std::pair<int, double>> scales;
        int left;
        // Taken out of the scene and put back within this tick; -1 for never.
        int reenter = -1;
    };
    const Case cases[] = {
        {"second pickup keeps the first base",
         {{0, 3, 5}, {125, 4, 5}},
         {{124, 3}, {425, 4}, {455, 0.5}},
         0},
        {"pickup with under a second left", {{0, 3, 1.5}, {63, 4, 1}}, {{100, 4}, {140, 0.5}}, 0},
        {"negative time counts as zero", {{0, 3, -2}}, {{0, 3}, {2, 0.5}}, 0},
        {"NaN time counts as zero", {{0, 3, nan}}, {{2, 0.5}}, 0},
        {"amounts that scale nothing, and a power-up already leaving",
         {{0, 0, 5}, {0, -2, 5}, {0, nan, 5}, {0, inf, 5}, {0, 3, 5, true}},
         {{1, 0.5}},
         4},
        {"re-entering within a tick", {{0, 3, 1}}, {{30, 3}, {80, 0.5}}, 0, 10},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case far from the others, with items of its own name.
        const Vector2 at(1000.0 * ++row, 0);
        const std::string itemName = "Item" + std::to_string(row);
        Entity* ship = add("Ship", at, {new ScalingPowerUpReceptor()}, 5.0);
        SceneNode* node = ship->getNode();
        node->setScale(Vector2(0.5, 0.5));
        for (int now = 0; now <= c.scales.back().first; ++now) {
            for (const Pickup& pickup : c.pickups) {
                if (pickup.tick != now)
                    continue;
                Entity* item =
                    add(itemName, at, {new ScalingPowerUp(pickup.amount, pickup.time)}, 2.0);
                if (pickup.leaving)
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
        int left = 0;
        for (Entity* entity : scene->getEntities())
            left += entity->getName() == itemName;
        EXPECT_EQ(c.left, left);
    }
}

} // namespace
