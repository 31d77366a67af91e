#include "support/Params.h"
#include "support/RecordingComponent.h"
#include "support/RecordingListener.h"

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
    return EventPtr(ComponentAdderActionEvent().createNew(params(
        {{"action", actionName}, {"entity", entity}, {"type", type}, {"template", templateName}})));
}

// A scene with an adder on "adder" and a target "target" carrying a probe.
struct AdderScene {
    SceneManager scene;
    Probe* probe = new Probe();
    int probeDestroyed = 0;
    SceneNode* targetNode = Entity::create("target", {probe});
    AdderScene() {
        probe->onDestroy = [this] { ++probeDestroyed; };
        scene.addNode(Entity::create("adder", {new ComponentAdder()}));
        scene.addNode(targetNode);
    }
};

} // namespace

TEST(ComponentAdder, OnlyFirstAdderOfASceneListensUntilItLeavesOrIsDeleted) {
    AdderScene setup;
    auto* second = new ComponentAdder();
    setup.scene.addNode(Entity::create("second", {second}));
    EXPECT_FALSE(second->isListening());
    setup.scene.findEntity("adder")->kill();
    setup.scene.updateProcess(0.016);
    auto* third = new ComponentAdder();
    setup.scene.addNode(Entity::create("third", {third}));
    delete third; // dying, it hears no managerChanged but must still let go
    setup.scene.addNode(Entity::create("fourth", {second = new ComponentAdder()}));
    EXPECT_TRUE(second->isListening());
}

TEST(ComponentAdder, RemovalActionsTakeTheirPartAtOnceAndDeleteItAfterTheUpdate) {
    // At once: probe attached? entity named? After the update the probe is gone: node a root?
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
    // Asked from inside a delivery on the target, which keeps running after the request returns.
    AdderScene setup;
    bool aliveAfterAsking = false;
    RecordingListener asker(0x7002);
    asker.onEvent = [&](const EventPtr&) {
        setup.scene.sendEvent(action("RemoveEntity", "target"));
        aliveAfterAsking = setup.probeDestroyed == 0 && setup.probe->getEntity() != nullptr;
    };
    setup.scene.findEntity("target")->addListener(&asker);
    setup.scene.findEntity("target")->sendEvent(EventPtr(new Event(0x7002, 0.0)));
    EXPECT_TRUE(aliveAfterAsking);
    setup.scene.updateProcess(0.016);
    EXPECT_EQ(setup.probeDestroyed, 1);
}
