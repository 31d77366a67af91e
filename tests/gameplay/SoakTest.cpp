#include "app/TypeRegistry.h"
#include "core/PlayerActionEvent.h"
#include "gameplay/DamageInflicter.h"
#include "gameplay/Damageable.h"
#include "gameplay/ObjectRemovalCounter.h"
#include "gameplay/PlayerPing.h"
#include "gameplay/ScreenWrapper.h"
#include "gameplay/ShieldPowerUp.h"
#include "gameplay/TargetSeeker.h"
#include "physics/Movable.h"
#include "physics/PhysicsManager.h"
#include "presentation/VideoManager.h"
#include "support/GlContext.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <SDL.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace {

const auto isFinite = [](const Vector2& v) { return std::isfinite(v.x) && std::isfinite(v.y); };

// Soak.xml's screen with every game type registered, a window for the pointer's pings, and
// physics running after the scene's own updater, as on a game screen.
class SoakTest : public TemplateFixture {
protected:
    static constexpr double step = 0.016;

    void SetUp() override {
        TemplateFixture::SetUp();
        registerComponentTypes(*components);
        registerEventTypes(*events);
        ASSERT_TRUE(startVideoSubsystem()) << "no display: run the tests under xvfb-run";
        video = std::make_unique<VideoManager>(VideoMode{160, 120, 0, false});
        loadDataFile("./Soak.xml");
        scene = std::make_unique<SceneManager>();
        physics.connect(scene.get());
        scene->addProcess(&physics);
        SceneTemplatePtr soak = sceneTemplates->getTemplate("Soak", "");
        ASSERT_TRUE(soak);
        soak->load();
        soak->instantiateInScene(scene.get(), Vector2(), Vector2(1, 0), Vector2(1, 1));
    }
    void TearDown() override {
        if (scene)
            physics.disconnect(scene.get());
        scene.reset();
        video.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        TemplateFixture::TearDown();
    }

    std::unique_ptr<VideoManager> video;
    std::unique_ptr<SceneManager> scene;
    PhysicsManager physics;
};

} // namespace

// Ten simulated minutes of play at the fixed step (under a second in the normal build), with a
// player mashing keys: every 3rd step one random action flips (held ones are let go); shots and
// pings are tapped, pings at a random pixel of the window.
TEST_F(SoakTest, BusyScreenStaysSoundAndBoundedForTenMinutes) {
    // Alive at once at most: 17 fixed entities (camera, two areas with four lines each, ship,
    // rock, spawner, 3 asteroids), 14 spawned ones, 25 of the ship's shots (one per 3 steps
    // living 1.2 s), for each spawned enemy 2 shots and a blast, 1 ping: 99, rounded up.
    const std::size_t cap = 120;
    Entity* ship = scene->findEntity("Player");
    Entity* arena = scene->findEntity("Arena");
    ASSERT_TRUE(ship && arena);
    auto* hull = ship->getComponent<Damageable>(Damageable::typeName());
    std::mt19937 random(20261206);
    std::map<int, bool> held;
    // By name: fresh names are never reused, addresses are.
    std::map<std::string, Vector2> lastPositions;
    std::map<std::string, bool> seen; // what the run did at least once
    for (int index = 0; index < 37500; ++index) {
        if (index % 3 == 0) {
            auto action = static_cast<PlayerActionType>(random() % 9);
            int x = static_cast<int>(random() % 160), y = static_cast<int>(random() % 120);
            bool& isHeld = held[static_cast<int>(action)];
            bool tap = action == PlayerActionType::Shoot || action == PlayerActionType::Ping;
            ship->sendEvent(
                EventPtr(new PlayerActionEvent(action, tap || !isHeld, x, y, index * step)));
            isHeld = !tap && !isHeld;
            if (tap)
                ship->sendEvent(EventPtr(new PlayerActionEvent(action, false, x, y, index * step)));
        }
        scene->updateProcess(step);
        std::map<std::string, Vector2> positions;
        for (Entity* entity : scene->getEntities()) {
            SceneNode* node = entity->getNode();
            ASSERT_TRUE(node);
            const Vector2& at = node->getWorldPosition();
            auto* movable = entity->getComponent<Movable>(Movable::typeName());
            ASSERT_TRUE(isFinite(at) && isFinite(node->getWorldOrientation()) &&
                        isFinite(node->getWorldScale()) &&
                        (!movable || (isFinite(movable->getVelocity()) &&
                                      std::isfinite(movable->getRotationalVelocity()))))
                << "step " << index << ": " << entity->getName() << " at (" << at.x << ", " << at.y
                << ")";
            if (auto* damage = entity->getComponent<DamageInflicter>(DamageInflicter::typeName())) {
                seen["fired"] |= damage->getDamageType() == DamageType::Bullet;
                seen["exploded"] |= damage->getDamageType() == DamageType::Explosion;
            }
            seen["spawned"] |= entity->getComponent(TargetSeeker::typeName()) != nullptr;
            seen["pinged"] |= entity->getComponent(PlayerPing::typeName()) != nullptr;
            seen["offered"] |= entity->getComponent(ShieldPowerUp::typeName()) != nullptr;
            seen["enlarged"] |= entity == ship && node->getWorldScale().x > 1.01;
            if (entity->getComponent(ScreenWrapper::typeName())) {
                auto last = lastPositions.find(entity->getName());
                // Nothing flies 700 units in one step: such a jump is a wrap.
                seen["wrapped"] |=
                    last != lastPositions.end() && (std::abs(last->second.x - at.x) > 700 ||
                                                    std::abs(last->second.y - at.y) > 500);
                positions[entity->getName()] = at;
            }
        }
        lastPositions.swap(positions);
        // Each entity runs a few processes at most (steering, a wrap check, timers), listens
        // to its area once, has a few events waiting and touches a few others.
        ASSERT_LE(scene->processCount(), 4 * cap) << "step " << index;
        for (std::size_t count :
             {scene->getEntities().size(), scene->queuedEventCount(), physics.contactCount(),
              arena->listenerCount(EventType::PlayingArea),
              scene->listenerCount(EventType::Targetable)})
            ASSERT_LE(count, cap) << "step " << index;
    }
    for (const char* what :
         {"fired", "exploded", "wrapped", "spawned", "pinged", "offered", "enlarged"})
        EXPECT_TRUE(seen[what]) << "never " << what;
    EXPECT_EQ(ship, scene->findEntity("Player"));
    EXPECT_LT(hull->getHP(), hull->getTotalHP());
    EXPECT_GT(scene->findEntity("Tally")
                  ->getComponent<ObjectRemovalCounter>(ObjectRemovalCounter::typeName())
                  ->getCount(),
              0);
    EXPECT_EQ(0, countInLog("Error"));
}
