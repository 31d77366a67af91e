#include "support/RecordingComponent.h"

#include "world/ComponentManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

namespace {

using Probe = RecordingComponent<21>;

class JournalingManager : public ComponentManager {
public:
    void componentAdded(Entity* entity, Component*) override { note("component+", entity); }
    void entityAdded(Entity* entity) override { note("entity+", entity); }
    void componentRemoved(Entity* entity, Component*) override { note("component-", entity); }
    void entityRemoved(Entity* entity) override { note("entity-", entity); }

    std::vector<std::string> journal;

private:
    void note(const std::string& what, Entity* entity) {
        journal.push_back(what + " " + entity->getName());
    }
};

} // namespace

TEST(ComponentManager, ConnectReportsPresentEntitiesThenFollowsChanges) {
    SceneManager scene;
    SceneNode* a = Entity::create("a");
    a->addChild(Entity::create("b"));
    scene.addNode(a);
    JournalingManager manager;
    manager.connect(&scene);
    EXPECT_EQ(manager.journal, (std::vector<std::string>{"entity+ a", "entity+ b"}));
    manager.journal.clear();

    auto* probe = new Probe();
    a->getEntity()->addComponent(probe);
    scene.addNode(Entity::create("c"));
    a->getEntity()->removeComponent(probe);
    delete probe;
    scene.findEntity("c")->kill();
    scene.updateProcess(0.016);
    EXPECT_EQ(manager.journal,
              (std::vector<std::string>{"component+ a", "entity+ c", "component- a", "entity- c"}));
    manager.journal.clear();

    manager.disconnect(&scene);
    EXPECT_EQ(manager.journal, (std::vector<std::string>{"entity- a", "entity- b"}));
    manager.journal.clear();
    scene.addNode(Entity::create("d"));
    EXPECT_TRUE(manager.journal.empty());
}

TEST(ComponentManager, DestroyedManagerStopsListening) {
    SceneManager scene;
    {
        JournalingManager manager;
        manager.connect(&scene);
    }
    scene.addNode(Entity::create("after"));
    EXPECT_EQ(scene.listenerCount(EventType::Scene), 0u);
    EXPECT_EQ(scene.listenerCount(EventType::Entity), 0u);
}
