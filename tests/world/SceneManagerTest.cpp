#include "support/RecordingComponent.h"
#include "support/RecordingListener.h"

#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const int probeType = 0x7001;
const double step = 0.016;

EventPtr probeEvent(double time = 0.0) {
    return EventPtr(new Event(probeType, time));
}

SceneNode* countedEntity(int& destroyed, const std::string& name = "") {
    auto* probe = new RecordingComponent<11>();
    probe->onDestroy = [&destroyed] { ++destroyed; };
    return Entity::create(name, {probe});
}

} // namespace

TEST(SceneManager, KilledEntityWithChildrenIsDeletedOnceAtEndOfNextUpdate) {
    SceneManager scene;
    int destroyed = 0;
    SceneNode* top = countedEntity(destroyed, "top");
    top->addChild(countedEntity(destroyed));
    scene.addNode(top);
    top->getEntity()->kill();
    top->getChildren()[0]->getEntity()->kill(); // marked twice through its ancestor
    RecordingListener witness(probeType);       // still there while the update delivers events
    witness.onEvent = [&](const EventPtr&) { EXPECT_NE(scene.findEntity("top"), nullptr); };
    scene.addListener(&witness);
    scene.queueEvent(probeEvent());
    scene.updateProcess(step);
    EXPECT_EQ(witness.heard.size(), 1u);
    EXPECT_EQ(destroyed, 2);
    EXPECT_TRUE(scene.getRoots().empty());
}

TEST(SceneManager, EntityDeletedWhileQueuesAreWorkedOffIsSkipped) {
    SceneManager scene;
    SceneNode* nodes[] = {Entity::create("a"), Entity::create("b")};
    RecordingListener first(probeType), second(probeType);
    RecordingListener* listeners[] = {&first, &second};
    for (int i : {0, 1}) {
        scene.addNode(nodes[i]);
        nodes[i]->getEntity()->addListener(listeners[i]);
        listeners[i]->onEvent = [&nodes, i](const EventPtr&) { delete nodes[1 - i]; };
        nodes[i]->getEntity()->queueEvent(probeEvent());
    }
    scene.updateProcess(step);
    EXPECT_EQ(first.heard.size() + second.heard.size(), 1u);
    EXPECT_EQ(scene.getRoots().size(), 1u);
}

TEST(SceneManager, ListenerDeletedDuringADeliveryIsNotCalledAfterwards) {
    for (bool queued : {false, true}) {
        SceneManager scene;
        auto first = std::make_unique<RecordingListener>(probeType);
        auto second = std::make_unique<RecordingListener>(probeType);
        int calls = 0;
        first->onEvent = [&](const EventPtr&) { ++calls, second.reset(); };
        second->onEvent = [&](const EventPtr&) { ++calls, first.reset(); };
        scene.addListener(first.get());
        scene.addListener(second.get());
        queued ? scene.queueEvent(probeEvent()) : scene.sendEvent(probeEvent());
        scene.updateProcess(step);
        EXPECT_EQ(calls, 1) << (queued ? "queued" : "sent");
    }
}

TEST(SceneManager, QueuedEventWaitsForItsStepAndEmptyLeavesGoOnTheThirtiethUpdate) {
    SceneManager scene;
    RecordingListener listener(probeType);
    scene.addListener(&listener);
    scene.queueEvent(probeEvent(2 * step));
    auto* empty = new SceneNode();
    SceneNode* holder = Entity::create("holder");
    scene.addNode(empty);
    scene.addNode(holder);
    scene.updateProcess(step);
    EXPECT_TRUE(listener.heard.empty());
    scene.updateProcess(step);
    EXPECT_EQ(listener.heard.size(), 1u);
    for (int update = 3; update < 30; ++update)
        scene.updateProcess(step);
    EXPECT_EQ(scene.getRoots().count(empty), 1u);
    scene.updateProcess(step);
    EXPECT_EQ(scene.getRoots(), std::set<SceneNode*>{holder});
}

TEST(SceneManager, RemovedNodeIsNoLongerGarbageAndTheSceneDeletesWhatItHolds) {
    int destroyed = 0;
    auto scene = std::make_unique<SceneManager>();
    std::unique_ptr<SceneNode> removed(countedEntity(destroyed));
    scene->addNode(removed.get());
    removed->getEntity()->kill();
    scene->removeNode(removed.get());
    scene->addNode(countedEntity(destroyed));
    scene->updateProcess(step);
    scene.reset();
    EXPECT_EQ(destroyed, 1);
}
