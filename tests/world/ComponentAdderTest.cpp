#include "support/ProbeComponent.h"
#include "support/RecordingComponent.h"
#include "support/TemplateFixture.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "world/ComponentAdder.h"
#include "world/ComponentAdderActionEvent.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Probe = RecordingComponent<31>;

EventPtr action(const std::string& actionName, const std::string& entity,
                const std::string& type = "", const std::string& templateName = "") {
    ParamList params;
    params.set("action", actionName);
    params.set("entity", entity);
    if (!type.empty())
        params.set("type", type);
    if (!templateName.empty())
        params.set("template", templateName);
    return EventPtr(ComponentAdderActionEvent().createNew(params));
}

// A scene with an adder on "adder" and a target "target" carrying a probe.
struct AdderScene {
    SceneManager scene;
    ComponentAdder* adder = new ComponentAdder();
    Probe* probe = new Probe();
    int probeDestroyed = 0;
    SceneNode* targetNode = Entity::create("target", {probe});
    AdderScene() {
        probe->onDestroy = [this] { ++probeDestroyed; };
        scene.addNode(Entity::create("adder", {adder}));
        scene.addNode(targetNode);
    }
};

} // namespace

TEST(ComponentAdderActionEvent, UnknownActionIsRefused) {
    ParamList params;
    params.set("action", "addcomponent");
    try {
        delete ComponentAdderActionEvent().createNew(params);
        FAIL() << "no exception";
    } catch (const myexception& error) {
        EXPECT_STREQ(error.what(), "Invalid parameter for action.");
    }
    EXPECT_THROW(delete ComponentAdderActionEvent().createNew(ParamList()), myexception);
}

TEST(ComponentAdder, OnlyFirstAdderOfASceneListens) {
    AdderScene setup;
    auto* second = new ComponentAdder();
    setup.scene.addNode(Entity::create("second", {second}));
    EXPECT_TRUE(setup.adder->isListening());
    EXPECT_FALSE(second->isListening());
    EXPECT_EQ(setup.scene.listenerCount(EventType::ComponentAdderAction), 1u);

    // Leaving frees the scene for an adder that arrives later.
    setup.scene.findEntity("adder")->kill();
    setup.scene.updateProcess(0.016);
    EXPECT_EQ(setup.scene.listenerCount(EventType::ComponentAdderAction), 0u);
    auto* third = new ComponentAdder();
    setup.scene.addNode(Entity::create("third", {third}));
    EXPECT_TRUE(third->isListening());
}

TEST(ComponentAdder, DeletedListeningAdderReleasesItsScene) {
    SceneManager scene;
    {
        auto* adder = new ComponentAdder();
        SceneNode* node = Entity::create("adder", {adder});
        scene.addNode(node);
        delete adder; // dying: hears no managerChanged, must still let go
    }
    auto* next = new ComponentAdder();
    scene.addNode(Entity::create("next", {next}));
    EXPECT_TRUE(next->isListening());
}

TEST(ComponentAdder, ActionNamingItsOwnEntityOrNobodyDoesNothing) {
    AdderScene setup;
    setup.scene.sendEvent(action("KillEntity", "adder"));
    setup.scene.sendEvent(action("RemoveEntity", "nobody"));
    setup.scene.updateProcess(0.016);
    EXPECT_NE(setup.scene.findEntity("adder"), nullptr);
    EXPECT_EQ(setup.scene.getEntities().size(), 2u);
}

TEST(ComponentAdder, RemovalActionsTakeTheirPartAtOnceAndDeleteItAfterTheUpdate) {
    // Right after the action: whether the probe is still attached and the entity still named.
    // After the update: the probe is deleted, and whether the target's node is still a root.
    struct Case {
        const char* action;
        bool probeAttached, entityFound, nodeStays;
    } cases[] = {{"RemoveComponent", false, true, true},
                 {"RemoveEntity", true, false, true},
                 {"KillEntity", true, true, false}};
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.action);
        AdderScene setup;
        setup.scene.sendEvent(action(entry.action, "target", Probe::typeName()));
        EXPECT_EQ(setup.probe->getEntity() != nullptr, entry.probeAttached);
        EXPECT_EQ(setup.scene.findEntity("target") != nullptr, entry.entityFound);
        setup.scene.updateProcess(0.016);
        EXPECT_EQ(setup.probeDestroyed, 1);
        EXPECT_EQ(setup.scene.getRoots().count(setup.targetNode), entry.nodeStays ? 1u : 0u);
    }
}

TEST(ComponentAdder, RemovingTheEntityWhoseComponentAskedIsSafe) {
    // The target's own component asks for its entity's removal from inside a delivery on the
    // target; it keeps running after the request returns.
    AdderScene setup;
    Entity* target = setup.scene.findEntity("target");
    bool stillAlive = false;
    setup.probe->onManagerChanged = [&](SceneManager*, SceneManager* old) {
        if (old)
            stillAlive = setup.probeDestroyed == 0;
    };
    struct Asker : EventListener {
        SceneManager& scene;
        Probe* probe;
        int& destroyed;
        bool sawProbe = false;
        Asker(SceneManager& scene, Probe* probe, int& destroyed)
            : EventListener(0x7002), scene(scene), probe(probe), destroyed(destroyed) {}
        void handleEvent(const EventPtr&) override {
            scene.sendEvent(action("RemoveEntity", "target"));
            sawProbe = destroyed == 0 && probe->getEntity() != nullptr;
        }
    } asker(setup.scene, setup.probe, setup.probeDestroyed);
    target->addListener(&asker);
    target->sendEvent(EventPtr(new Event(0x7002, 0.0)));
    EXPECT_TRUE(asker.sawProbe);
    EXPECT_TRUE(stillAlive);
    setup.scene.updateProcess(0.016);
    EXPECT_EQ(setup.probeDestroyed, 1);
}

namespace {

using ComponentAdderTemplateTest = TemplateFixture;

EventPtr addition(const std::string& templateName, const std::string& type) {
    return action("AddComponent", "target", type, templateName);
}

} // namespace

TEST_F(ComponentAdderTemplateTest, AddComponentBuildsItFromTheTemplate) {
    SceneManager scene;
    scene.addNode(Entity::create("adder", {new ComponentAdder()}));
    scene.addNode(Entity::create("target"));
    Entity* target = scene.findEntity("target");
    scene.sendEvent(addition("Slow", "Probe"));
    auto* probe = target->getComponent<ProbeComponent>("Probe");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->params.getText("speed"), "1");
    // A second one of the type is refused and dropped; the first stays.
    scene.sendEvent(addition("Fast", "Probe"));
    EXPECT_EQ(target->getComponent("Probe"), probe);
    EXPECT_EQ(target->getComponents().size(), 1u);
    // Unknown templates, types the template lacks and an empty type change nothing.
    scene.sendEvent(addition("NoSuchTemplate", "Probe"));
    scene.sendEvent(addition("Slow", "OtherProbe"));
    scene.sendEvent(addition("Grandchild", ""));
    EXPECT_EQ(target->getComponents().size(), 1u);
}

TEST(ComponentAdder, AddComponentWithoutTemplateManagerChangesNothing) {
    AdderScene setup;
    setup.scene.sendEvent(addition("Slow", "Probe"));
    EXPECT_EQ(setup.scene.findEntity("target")->getComponents().size(), 1u);
}
