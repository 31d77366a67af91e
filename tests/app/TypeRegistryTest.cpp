#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/ParamList.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {
// Every name a data file may use for a component or an event type. A name the registry does
// not answer leaves data silently unloadable; one it answers that is not here is a typo.
// clang-format off
const std::vector<std::string> componentNames = {
    "AmmoPowerUp", "Animatable", "AnimateAndDie", "BoostPowerUp", "BulletShooter", "Camera",
    "CameraSTI", "CollidableLine", "CollisionTrigger", "ComponentAdder", "CountableObject",
    "Damageable", "DamageInflicter", "DamagedBy", "DamagedByWithExceptions", "Deflectable",
    "DeflectOnPing", "DynamicTextDisplay", "EntityRemovalTrigger", "Explodable",
    "ExplodeOnCollision", "ExplodeOnTimer", "ExplodeWhenHealthZero", "FireBulletsOnTimer",
    "FireScriptOnPing", "FollowingCamera", "HealthPowerUp", "HealthTrigger",
    "KillBulletWhenRemoved", "KillWhenLeavingArea", "LimitedBulletShooter", "Movable",
    "MovableDeflector", "MultiTrigger", "MusicPlayer", "ObjectRemovalCounter",
    "OccludedAnimatable", "PingPowerUp", "PlayerAction", "PlayerHealthBar", "PlayerPing",
    "PlayerPingCreator", "PlayerScore", "PlayerScrollingAnimationController",
    "PlayerScrollingMapController", "PlayerShield", "PlayerShieldBar",
    "PlayerStaticAnimationController", "PlayerStaticMapController", "PlayingArea",
    "PlayingAreaSTI", "PlaySoundOnce", "PreventFromLeavingArea", "RepeatedStaticImage",
    "RunScriptWhenAdded", "ScalingPowerUp", "ScalingPowerUpReceptor", "Scoreable", "ScoreTrigger",
    "ScreenWrapper", "ScriptRunner", "ShieldPowerUp", "SoundEmitter", "StaticCollidable",
    "StaticImage", "StaticRandomDistributionSTG", "StaticSpeedTargetFollower",
    "StaticSpeedTargetAvoider", "StaticTextDisplay", "TemplateInstantiator", "TimerDisplayUpdater",
    "TurnAndDashTargetFollower", "Targetable", "TargetableGroup", "TargetableGroupSeeker",
    "TargetSeeker", "UniformTimeIncrementSTC"};
const std::vector<std::string> eventNames = {
    "AnimationAction", "BulletShooterAction", "ComponentAddition", "DamageableAction",
    "LevelActionEvent", "MovableAction", "MultiTriggerAction", "PlayerActionConnection",
    "PlayerActionEvent", "ScriptRunner", "TemplateInstantiation"};
// clang-format on

} // namespace

TEST(TypeRegistry, AnswersTheNamesDataFilesUse) {
    ComponentFactory components;
    registerComponentTypes(components);
    std::vector<std::string> expected = componentNames;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, components.registeredNames());
    EXPECT_FALSE(components.isRegistered("BoxSceneTemplateInstantiator"));
    EXPECT_FALSE(components.isRegistered("movable"));

    EventFactory events;
    registerEventTypes(events);
    expected = eventNames;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, events.registeredNames());
}

// Templates copy their prototypes: a copy of another class (a derived type cloning as its base)
// would turn every entity made from data into the wrong thing.
TEST(TypeRegistry, EveryRegisteredPrototypeCopiesAsItsOwnType) {
    EventFactory events;
    registerEventTypes(events);
    ComponentFactory components;
    registerComponentTypes(components);
    for (const std::string& name : events.registeredNames())
        EXPECT_EQ(name,
                  std::unique_ptr<FactoryEvent>(events.prototype(name)->clone(1.0))->getType());
    for (const std::string& name : components.registeredNames())
        EXPECT_EQ(name, std::unique_ptr<Component>(components.prototype(name)->clone())->getType());
}

TEST(TypeRegistry, UnknownEventNamesRaiseAndKnownOnesReadTheirParameters) {
    EventFactory factory;
    registerEventTypes(factory);
    ParamList params;
    try {
        factory.create("movableaction", params);
        FAIL();
    } catch (const myexception& error) {
        EXPECT_STREQ("Unregistered factory type movableaction.", error.what());
    }
    params.set("action", "SetMass");
    params.set("time", "2.5");
    std::unique_ptr<FactoryEvent> event(factory.create("MovableAction", params));
    EXPECT_EQ("MovableAction", event->getType());
    EXPECT_DOUBLE_EQ(2.5, event->getTime());
}
