#include "support/RecordingComponent.h"

#include "world/ComponentManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

namespace {

struct JournalingManager : ComponentManager {
    void componentAdded(Entity* entity, Component*) override { note("component+ ", entity); }
    void entityAdded(Entity* entity) override { note("entity+ ", entity); }
    void componentRemoved(Entity* entity, Component*) override { note("component- ", entity); }
    void entityRemoved(Entity* entity) override { note("entity- ", entity); }
    void note(const std::string& what, Entity* entity) {
        journal.push_back(what + entity->getName());
    }
    std::vector<std::string> journal;
};

} // namespace

TEST(ComponentManager, ConnectReportsPresentEntitiesFollowsChangesAndLetsGo) {
    SceneManager scene;
    SceneNode* a = Entity::create("a");
    a->addChild(Entity::create("b"));
    scene.addNode(a);
    JournalingManager manager;
    manager.connect(&scene);
    a->getEntity()->addComponent(new RecordingComponent<21>());
    scene.addNode(Entity::create("c"));
    scene.findEntity("c")->kill();
    scene.updateProcess(0.016);
    manager.disconnect(&scene);
    EXPECT_EQ(manager.journal,
              (std::vector<std::string>{"entity+ a", "entity+ b", "component+ a", "entity+ c",
                                        "entity- c", "entity- a", "entity- b"}));
    JournalingManager().connect(&scene); // destroyed at once
    EXPECT_EQ(scene.listenerCount(EventType::Scene), 0u);
    EXPECT_EQ(scene.listenerCount(EventType::Entity), 0u);
}
