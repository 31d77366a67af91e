#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/ParamList.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <memory>

// The names data files may use; grows as types are added, and nothing else may answer.
TEST(TypeRegistry, EventFactoryAnswersExactlyTheRegisteredNames) {
    EventFactory factory;
    registerEventTypes(factory);
    EXPECT_EQ(
        (std::vector<std::string>{"AnimationAction", "BulletShooterAction", "ComponentAddition",
                                  "MovableAction", "PlayerActionConnection", "PlayerActionEvent",
                                  "ScriptRunner", "TemplateInstantiation"}),
        factory.registeredNames());
}

TEST(TypeRegistry, ComponentFactoryAnswersExactlyTheRegisteredNames) {
    ComponentFactory factory;
    registerComponentTypes(factory);
    EXPECT_EQ((std::vector<std::string>{"Animatable",
                                        "AnimateAndDie",
                                        "Camera",
                                        "CollidableLine",
                                        "ComponentAdder",
                                        "DeflectOnPing",
                                        "Deflectable",
                                        "DynamicTextDisplay",
                                        "FireScriptOnPing",
                                        "FollowingCamera",
                                        "KillWhenLeavingArea",
                                        "Movable",
                                        "MovableDeflector",
                                        "MusicPlayer",
                                        "OccludedAnimatable",
                                        "PlaySoundOnce",
                                        "PlayerAction",
                                        "PlayerPing",
                                        "PlayerPingCreator",
                                        "PlayerScrollingAnimationController",
                                        "PlayerScrollingMapController",
                                        "PlayerStaticAnimationController",
                                        "PlayerStaticMapController",
                                        "PlayingArea",
                                        "PreventFromLeavingArea",
                                        "RepeatedStaticImage",
                                        "RunScriptWhenAdded",
                                        "ScreenWrapper",
                                        "ScriptRunner",
                                        "SoundEmitter",
                                        "StaticCollidable",
                                        "StaticImage",
                                        "StaticSpeedTargetAvoider",
                                        "StaticSpeedTargetFollower",
                                        "StaticTextDisplay",
                                        "TargetSeeker",
                                        "Targetable",
                                        "TargetableGroup",
                                        "TargetableGroupSeeker",
                                        "TemplateInstantiator",
                                        "TurnAndDashTargetFollower"}),
              factory.registeredNames());
    EXPECT_FALSE(factory.isRegistered("BoxSceneTemplateInstantiator"));
    EXPECT_FALSE(factory.isRegistered("movable"));
}

TEST(TypeRegistry, NamesAreCaseSensitiveAndUnknownNamesRaise) {
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
