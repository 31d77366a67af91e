#include "app/TypeRegistry.h"
#include "core/PlayerActionEvent.h"
#include "gameplay/DamageInflicter.h"
#include "gameplay/Damageable.h"
#include "gameplay/PlayerPing.h"
#include "gameplay/ScreenWrapper.h"
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
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

bool finite(const Vector2& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// Soak.xml's screen with every game type registered: a window for the pointer's pings, a scene
// with its physics running after its own updater, as on a game screen.
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

// A player mashing keys: every 3rd step one random action flips (held ones are let go), shots
// and pings are pressed and released at once, pings at a random pixel of the window.
class RandomPilot {
public:
    explicit RandomPilot(std::uint32_t seed) : random(seed) {}
    void act(Entity& ship, double now) {
        auto action = static_cast<PlayerActionType>(random() % 9);
        int x = static_cast<int>(random() % 160), y = static_cast<int>(random() % 120);
        bool& isHeld = held[static_cast<int>(action)];
        bool tap = action == PlayerActionType::Shoot || action == PlayerActionType::Ping;
        ship.sendEvent(EventPtr(new PlayerActionEvent(action, tap || !isHeld, x, y, now)));
        isHeld = !tap && !isHeld;
        if (tap)
            ship.sendEvent(EventPtr(new PlayerActionEvent(action, false, x, y, now)));
    }

private:
    std::mt19937 random;
    std::map<int, bool> held;
};

} // namespace

// Ten simulated minutes of play at the fixed step (under a second in the normal build).
TEST_F(SoakTest, BusyScreenStaysSoundAndBoundedForTenMinutes) {
    const int steps = 37500;
    // Alive at once at most: 17 fixed entities (camera, two areas with four lines each, ship,
    // rock, spawner, 3 asteroids), 14 spawned ones, 25 of the ship's shots (one per 3 steps
    // living 1.2 s), for each spawned enemy 2 shots and a blast, 1 ping: 99, rounded up.
    const std::size_t cap = 120;
    Entity* ship = scene->findEntity("Player");
    Entity* arena = scene->findEntity("Arena");
    ASSERT_TRUE(ship && arena);
    auto* hull = ship->getComponent<Damageable>(Damageable::typeName());
    RandomPilot pilot(20261206);
    // By name: fresh names are never reused, addresses are.
    std::map<std::string, Vector2> lastPositions;
    bool fired = false, exploded = false, wrapped = false, spawned = false, pinged = false;
    std::size_t most = 0;
    for (int index = 0; index < steps; ++index) {
        if (index % 3 == 0)
            pilot.act(*ship, index * step);
        scene->updateProcess(step);
        std::map<std::string, Vector2> positions;
        for (Entity* entity : scene->getEntities()) {
            SceneNode* node = entity->getNode();
            ASSERT_TRUE(node);
            const Vector2& at = node->getWorldPosition();
            auto* movable = entity->getComponent<Movable>(Movable::typeName());
            ASSERT_TRUE(finite(at) && finite(node->getWorldOrientation()) &&
                        finite(node->getWorldScale()) &&
                        (!movable || (finite(movable->getVelocity()) &&
                                      std::isfinite(movable->getRotationalVelocity()))))
                << "step " << index << ": " << entity->getName() << " at (" << at.x << ", " << at.y
                << ")";
            if (auto* damage = entity->getComponent<DamageInflicter>(DamageInflicter::typeName())) {
                fired |= damage->getDamageType() == DamageType::Bullet;
                exploded |= damage->getDamageType() == DamageType::Explosion;
            }
            spawned |= entity->getComponent(TargetSeeker::typeName()) != nullptr;
            pinged |= entity->getComponent(PlayerPing::typeName()) != nullptr;
            if (entity->getComponent(ScreenWrapper::typeName())) {
                auto last = lastPositions.find(entity->getName());
                // Nothing flies 700 units in one step: such a jump is a wrap.
                wrapped |= last != lastPositions.end() && (std::abs(last->second.x - at.x) > 700 ||
                                                           std::abs(last->second.y - at.y) > 500);
                positions[entity->getName()] = at;
            }
        }
        lastPositions.swap(positions);
        most = std::max(most, scene->getEntities().size());
        // Each entity runs a few processes at most (steering, a wrap check, timers), listens
        // to its area once, has a few events waiting and touches a few others.
        ASSERT_LE(scene->getEntities().size(), cap) << "step " << index;
        ASSERT_LE(scene->processCount(), 4 * cap) << "step " << index;
        ASSERT_LE(scene->queuedEventCount(), cap) << "step " << index;
        ASSERT_LE(physics.contactCount(), cap) << "step " << index;
        ASSERT_LE(arena->listenerCount(EventType::PlayingArea), cap) << "step " << index;
        ASSERT_LE(scene->listenerCount(EventType::Targetable), cap) << "step " << index;
    }
    EXPECT_TRUE(fired);
    EXPECT_TRUE(exploded);
    EXPECT_TRUE(wrapped);
    EXPECT_TRUE(spawned);
    EXPECT_TRUE(pinged);
    EXPECT_EQ(ship, scene->findEntity("Player"));
    EXPECT_LT(hull->getHP(), hull->getTotalHP());
    EXPECT_EQ(0, countInLog("Error"));
    RecordProperty("mostEntitiesAlive", static_cast<int>(most));
}
