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
                                        "CameraSTI",
                                        "CollidableLine",
                                        "ComponentAdder",
                                        "DynamicTextDisplay",
                                        "FollowingCamera",
                                        "Movable",
                                        "MusicPlayer",
                                        "OccludedAnimatable",
                                        "PlaySoundOnce",
                                        "PlayerAction",
                                        "PlayerPingCreator",
                                        "PlayerScrollingAnimationController",
                                        "PlayerScrollingMapController",
                                        "PlayerStaticAnimationController",
                                        "PlayerStaticMapController",
                                        "RepeatedStaticImage",
                                        "RunScriptWhenAdded",
                                        "ScriptRunner",
                                        "SoundEmitter",
                                        "StaticCollidable",
                                        "StaticImage",
                                        "StaticRandomDistributionSTG",
                                        "StaticTextDisplay",
                                        "TemplateInstantiator",
                                        "UniformTimeIncrementSTC"}),
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
