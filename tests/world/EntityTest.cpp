#include "support/RecordingComponent.h"
#include "support/RecordingListener.h"

#include "world/Entity.h"
#include "world/EntityEvent.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using ProbeA = RecordingComponent<1>;
using ProbeB = RecordingComponent<2>;
using Journal = std::vector<std::string>;

} // namespace

TEST(Entity, RefusedComponentsLeaveTheListAndTheirAttachedTwinAlone) {
    Entity entity("ship"), other;
    auto* first = new ProbeA();
    auto second = std::make_unique<ProbeA>();
    EXPECT_TRUE(entity.addComponent(first));
    EXPECT_FALSE(entity.addComponent(second.get()));
    second.reset(); // deleting the refused one must not unregister its attached twin
    EXPECT_EQ(entity.getComponent(ProbeA::typeName()), first);
    EXPECT_FALSE(other.addComponent(nullptr) || other.addComponent(first));
    EXPECT_EQ(entity.getComponents(), std::vector<Component*>{first});
}

TEST(Entity, ComponentHearsEntityAtOnceSceneOnEntryAndBothAnnounceChanges) {
    Journal journal;
    SceneNode* node = Entity::create("ship", {new ProbeA(&journal, "a")});
    SceneManager scene;
    scene.addNode(node);
    RecordingListener onEntity(EventType::Entity), onScene(EventType::Entity);
    Entity* entity = node->getEntity();
    entity->addListener(&onEntity);
    scene.addListener(&onScene);
    auto* late = new ProbeB(&journal, "b");
    entity->addComponent(late);
    entity->removeComponent(late);
    delete late;
    EXPECT_EQ(journal, (Journal{"a entityChanged +", "a managerChanged +", "b entityChanged +",
                                "b managerChanged +", "b entityChanged -", "b managerChanged -"}));
    ASSERT_EQ(onScene.heard.size(), 2u);
    EXPECT_EQ(onEntity.heard, onScene.heard);
    EXPECT_EQ(static_cast<EntityEvent&>(*onScene.heard[1]).getRemoved(), 1);
    // A deleted component hears nothing, but its removal is announced and its type is free.
    ProbeA* first = entity->getComponent<ProbeA>(ProbeA::typeName());
    journal.clear();
    delete first;
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(onScene.heard.size(), 3u);
    EXPECT_TRUE(entity->addComponent(new ProbeA()));
}
