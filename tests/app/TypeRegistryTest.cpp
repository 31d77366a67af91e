#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {
// Every name data files may use: one missing leaves data unloadable, an extra one is a typo.
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

// A derived type cloning as its base would turn every entity made from data into the wrong thing.
TEST(TypeRegistry, AnswersTheNamesDataFilesUseWithPrototypesThatCopyAsTheirOwnType) {
    ComponentFactory components;
    registerComponentTypes(components);
    EventFactory events;
    registerEventTypes(events);
    for (auto [expected, names] : {std::pair(componentNames, components.registeredNames()),
                                   std::pair(eventNames, events.registeredNames())}) {
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, names);
    }
    EXPECT_FALSE(components.isRegistered("movable"));
    for (const std::string& name : events.registeredNames())
        EXPECT_EQ(name,
                  std::unique_ptr<FactoryEvent>(events.prototype(name)->clone(1.0))->getType());
    for (const std::string& name : components.registeredNames())
        EXPECT_EQ(name, std::unique_ptr<Component>(components.prototype(name)->clone())->getType());
}
