#include "support/RecordingComponent.h"
#include "support/RecordingListener.h"

#include "world/Entity.h"
#include "world/SceneEvent.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const int probeEventType = 0x7001;
const double step = 0.016;

using Probe = RecordingComponent<11>;

// A component that hears one event type on its entity (and wherever else it is added).
class ListeningComponent : public Component, public EventListener {
public:
    ListeningComponent() : EventListener(probeEventType) {}
    void entityChanged(Entity* newEntity, Entity* oldEntity) override {
        if (oldEntity)
            oldEntity->removeListener(this);
        if (newEntity)
            newEntity->addListener(this);
    }
    const std::string& getType() const override {
        static const std::string type = "ListeningComponent";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new ListeningComponent(); }
    Component* clone() const override { return new ListeningComponent(); }
    void handleEvent(const EventPtr&) override {
        ++calls;
        if (onEvent)
            onEvent();
    }
    int calls = 0;
    std::function<void()> onEvent;
};

SceneNode* entityWith(Component* component, const std::string& name = "") {
    return Entity::create(name, {component});
}

SceneNode* countedEntity(int& destroyed, const std::string& name = "") {
    auto* probe = new Probe();
    probe->onDestroy = [&destroyed] { ++destroyed; };
    return entityWith(probe, name);
}

// Two listening entities in a scene, for tests where each deletes the other.
struct TwoListeners {
    ListeningComponent* first = new ListeningComponent();
    ListeningComponent* second = new ListeningComponent();
    SceneNode* firstNode = entityWith(first);
    SceneNode* secondNode = entityWith(second);
    explicit TwoListeners(SceneManager& scene) {
        scene.addNode(firstNode);
        scene.addNode(secondNode);
    }
};

EventPtr probeEvent(double time = 0.0) {
    return EventPtr(new Event(probeEventType, time));
}

} // namespace

TEST(SceneManager, EntityArrivalIsAnnouncedToEntityThenScene) {
    SceneManager scene;
    SceneNode* node = Entity::create("ship");
    std::vector<std::string> journal;
    RecordingListener onEntity(EventType::Scene, &journal, "entity");
    RecordingListener onScene(EventType::Scene, &journal, "scene");
    node->getEntity()->addListener(&onEntity);
    scene.addListener(&onScene);
    scene.addNode(node);
    EXPECT_EQ(journal, (std::vector<std::string>{"entity", "scene"}));
    auto& event = static_cast<SceneEvent&>(*onScene.heard[0]);
    EXPECT_EQ(event.getManager(), &scene);
    EXPECT_EQ(event.getEntity(), node->getEntity());
    EXPECT_EQ(event.getRemoved(), 0);
    EXPECT_EQ(scene.findEntity("ship"), node->getEntity());
    EXPECT_EQ(scene.getEntities().count(node->getEntity()), 1u);
}

TEST(SceneManager, SubtreeJoinsAndLeavesWithItsNode) {
    SceneManager scene;
    SceneNode* top = Entity::create("top");
    SceneNode* below = Entity::create("below");
    top->addChild(below);
    scene.addNode(top);
    EXPECT_EQ(below->getManager(), &scene);
    EXPECT_EQ(scene.findEntity("below"), below->getEntity());
    ASSERT_TRUE(scene.removeNode(top));
    EXPECT_EQ(below->getManager(), nullptr);
    EXPECT_EQ(scene.findEntity("below"), nullptr);
    EXPECT_TRUE(scene.getEntities().empty());
    EXPECT_FALSE(scene.removeNode(top));
    // Nodes of another scene, and nodes with a parent, are not taken.
    SceneManager other;
    auto* foreign = new SceneNode();
    other.addNode(foreign);
    EXPECT_FALSE(scene.removeNode(foreign));
    EXPECT_FALSE(scene.addNode(foreign));
    EXPECT_FALSE(scene.addNode(below));
    EXPECT_TRUE(scene.getRoots().empty());
    delete top;
}

TEST(SceneManager, EntitySharingANameStaysFindableWhenTheOtherLeaves) {
    SceneManager scene;
    SceneNode* first = Entity::create("twin");
    SceneNode* second = Entity::create("twin");
    scene.addNode(first);
    scene.addNode(second);
    // While both are in, the name finds the later arrival.
    EXPECT_EQ(scene.findEntity("twin"), second->getEntity());
    scene.removeNode(first);
    EXPECT_EQ(scene.findEntity("twin"), second->getEntity());
    scene.addNode(first);
    scene.removeNode(second);
    EXPECT_EQ(scene.findEntity("twin"), first->getEntity());
    delete second;
}

TEST(SceneManager, KilledEntityWithChildrenIsDeletedOnceAtEndOfNextUpdate) {
    SceneManager scene;
    int destroyed = 0;
    SceneNode* top = countedEntity(destroyed, "top");
    top->addChild(countedEntity(destroyed));
    top->getChildren()[0]->addChild(countedEntity(destroyed));
    scene.addNode(top);
    top->getEntity()->kill();
    top->getChildren()[0]->getEntity()->kill(); // marked twice through its ancestor
    EXPECT_EQ(destroyed, 0);

    // Still there while the update delivers its events.
    auto* witness = new ListeningComponent();
    scene.addNode(entityWith(witness));
    witness->getEntity()->queueEvent(probeEvent());
    witness->onEvent = [&] { EXPECT_EQ(scene.findEntity("top"), top->getEntity()); };
    scene.updateProcess(step);
    EXPECT_EQ(witness->calls, 1);
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(scene.findEntity("top"), nullptr);
    EXPECT_EQ(scene.getRoots().size(), 1u);
}

TEST(SceneManager, EntityDeletedWhileQueuesAreWorkedOffIsSkipped) {
    SceneManager scene;
    TwoListeners two(scene);
    // Whichever entity is worked off first deletes the other outright.
    two.first->onEvent = [&] { delete two.secondNode; };
    two.second->onEvent = [&] { delete two.firstNode; };
    two.firstNode->getEntity()->queueEvent(probeEvent());
    two.secondNode->getEntity()->queueEvent(probeEvent());
    scene.updateProcess(step);
    EXPECT_EQ(scene.getRoots().size(), 1u);
    EXPECT_EQ(scene.getEntities().size(), 1u);
}

TEST(SceneManager, ListenerDeletedDuringADeliveryIsNotCalledAfterwards) {
    for (bool queued : {false, true}) {
        SceneManager scene;
        TwoListeners two(scene);
        scene.addListener(two.first);
        scene.addListener(two.second);
        int calls = 0;
        two.first->onEvent = [&] { ++calls, delete two.secondNode; };
        two.second->onEvent = [&] { ++calls, delete two.firstNode; };
        if (queued) {
            scene.queueEvent(probeEvent());
            scene.updateProcess(step);
        } else {
            scene.sendEvent(probeEvent());
        }
        EXPECT_EQ(calls, 1) << (queued ? "queued" : "sent");
    }
}

TEST(SceneManager, QueuedEventWaitsForTheScenesClock) {
    SceneManager scene;
    auto* listener = new ListeningComponent();
    scene.addNode(entityWith(listener));
    listener->getEntity()->queueEvent(probeEvent(2.0));
    scene.updateProcess(1.99);
    EXPECT_EQ(listener->calls, 0);
    scene.updateProcess(0.01);
    EXPECT_EQ(listener->calls, 1);

    // Outside a scene nobody works off an entity's queue.
    auto* loose = new ListeningComponent();
    std::unique_ptr<SceneNode> looseNode(entityWith(loose));
    loose->getEntity()->queueEvent(probeEvent(0.0));
    scene.updateProcess(step);
    EXPECT_EQ(loose->calls, 0);
}

TEST(SceneManager, EmptyLeavesAreSweptOnTheThirtiethUpdate) {
    SceneManager scene;
    auto* empty = new SceneNode();
    auto* holder = new SceneNode();
    SceneNode* carried = Entity::create("carried");
    holder->addChild(carried);
    scene.addNode(empty);
    scene.addNode(holder);
    for (int update = 1; update < 30; ++update)
        scene.updateProcess(step);
    EXPECT_EQ(scene.getRoots().count(empty), 1u);
    scene.updateProcess(step);
    EXPECT_EQ(scene.getRoots(), std::set<SceneNode*>{holder});

    // A node left behind by its entity goes on the next sweep, its parent on the one after.
    delete carried->getEntity();
    for (int update = 0; update < 30; ++update)
        scene.updateProcess(step);
    EXPECT_TRUE(holder->getChildren().empty());
    EXPECT_EQ(scene.getRoots().size(), 1u);
    for (int update = 0; update < 30; ++update)
        scene.updateProcess(step);
    EXPECT_TRUE(scene.getRoots().empty());
}

TEST(SceneManager, RemovedNodeIsNoLongerGarbage) {
    SceneManager scene;
    int destroyed = 0;
    SceneNode* node = countedEntity(destroyed);
    scene.addNode(node);
    node->getEntity()->kill();
    EXPECT_TRUE(scene.isMarkedForDeletion(node));
    scene.removeNode(node);
    EXPECT_FALSE(scene.isMarkedForDeletion(node));
    scene.updateProcess(step);
    EXPECT_EQ(destroyed, 0);
    delete node;
    EXPECT_EQ(destroyed, 1);
}

TEST(SceneManager, DestroyingSceneTellsComponentsAndDeletesEverything) {
    std::vector<std::string> journal;
    int destroyed = 0;
    auto* probe = new Probe(&journal, "p");
    probe->onDestroy = [&] { ++destroyed; };
    auto scene = std::make_unique<SceneManager>();
    SceneNode* top = entityWith(probe);
    top->addChild(countedEntity(destroyed));
    scene->addNode(top);
    scene->addNode(countedEntity(destroyed));
    journal.clear();
    scene.reset();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(journal.front(), "p managerChanged -");
}

TEST(SceneManager, PausedSceneHoldsItsQueues) {
    ProcessManager master;
    SceneManager scene;
    master.addProcess(&scene);
    auto* listener = new ListeningComponent();
    scene.addNode(entityWith(listener));
    listener->getEntity()->queueEvent(probeEvent(0.03));
    master.updateProcess(step);
    scene.setPaused(true);
    for (int i = 0; i < 5; ++i)
        master.updateProcess(step);
    EXPECT_EQ(listener->calls, 0);
    scene.setPaused(false);
    master.updateProcess(step);
    EXPECT_EQ(listener->calls, 1);
    EXPECT_NEAR(scene.getTotalTime(), 0.032, 1e-12);
}
