#include "support/RecordingComponent.h"
#include "support/RecordingListener.h"

#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/EntityEvent.h"
#include "world/NameableObject.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using ProbeA = RecordingComponent<1>;
using ProbeB = RecordingComponent<2>;

// A component that fills an abstract role beside its own type.
template <int Tag> class RoleFiller : public RecordingComponent<Tag> {
public:
    bool attach(Entity* entity) override {
        return this->attachAs({this->getType(), "Role"}, entity);
    }
};

std::vector<int> removedFlags(const RecordingListener& listener) {
    std::vector<int> flags;
    for (const EventPtr& event : listener.heard)
        flags.push_back(static_cast<EntityEvent&>(*event).getRemoved());
    return flags;
}

} // namespace

TEST(Entity, SecondComponentOfATypeIsRefusedAndListUnchanged) {
    Entity entity("ship");
    auto* first = new ProbeA();
    auto second = std::make_unique<ProbeA>();
    EXPECT_TRUE(entity.addComponent(first));
    EXPECT_FALSE(entity.addComponent(second.get()));
    EXPECT_EQ(entity.getComponents(), std::vector<Component*>{first});
    EXPECT_EQ(entity.getComponent(ProbeA::typeName()), first);
    EXPECT_EQ(second->getEntity(), nullptr);
    second.reset(); // deleting the refused one must not unregister its attached twin
    EXPECT_EQ(entity.getComponent(ProbeA::typeName()), first);
    // Null, and a component another entity holds, are refused too.
    Entity other;
    EXPECT_FALSE(other.addComponent(nullptr));
    EXPECT_FALSE(other.addComponent(first));
    EXPECT_FALSE(other.removeComponent(first));
    EXPECT_EQ(first->getEntity(), &entity);
}

TEST(Entity, ComponentHearsEntityAtOnceAndSceneOnlyOnEntry) {
    std::vector<std::string> journal;
    SceneNode* node = Entity::create("ship", {new ProbeA(&journal, "a")});
    EXPECT_EQ(journal, std::vector<std::string>{"a entityChanged +"});
    SceneManager scene;
    scene.addNode(node);
    EXPECT_EQ(journal.back(), "a managerChanged +");
    auto* probe = static_cast<ProbeA*>(node->getEntity()->getComponents()[0]);
    EXPECT_EQ(probe->lastManagerChange,
              std::make_pair(&scene, static_cast<SceneManager*>(nullptr)));
    scene.removeNode(node);
    EXPECT_EQ(journal.back(), "a managerChanged -");
    EXPECT_EQ(probe->lastManagerChange,
              std::make_pair(static_cast<SceneManager*>(nullptr), &scene));
    delete node;
}

TEST(Entity, AddingInsideSceneAnnouncesToEntityAndScene) {
    SceneManager scene;
    SceneNode* node = Entity::create("ship");
    scene.addNode(node);
    Entity* entity = node->getEntity();
    RecordingListener onEntity(EventType::Entity), onScene(EventType::Entity);
    entity->addListener(&onEntity);
    scene.addListener(&onScene);
    std::vector<std::string> journal;
    auto* probe = new ProbeA(&journal, "a");
    ASSERT_TRUE(entity->addComponent(probe));
    EXPECT_EQ(journal, (std::vector<std::string>{"a entityChanged +", "a managerChanged +"}));
    ASSERT_EQ(onScene.heard.size(), 1u);
    EXPECT_EQ(onEntity.heard, onScene.heard);
    auto& event = static_cast<EntityEvent&>(*onScene.heard[0]);
    EXPECT_EQ(event.getEntity(), entity);
    EXPECT_EQ(event.getComponent(), probe);
    EXPECT_EQ(event.getRemoved(), 0);

    ASSERT_TRUE(entity->removeComponent(probe));
    EXPECT_EQ(journal, (std::vector<std::string>{"a entityChanged +", "a managerChanged +",
                                                 "a entityChanged -", "a managerChanged -"}));
    EXPECT_EQ(removedFlags(onScene), (std::vector<int>{0, 1}));
    EXPECT_EQ(entity->getComponent(ProbeA::typeName()), nullptr);
    delete probe;
}

TEST(Entity, DeletedComponentIsNotNotifiedButItsRemovalIsAnnounced) {
    std::vector<std::string> journal;
    Entity entity;
    RecordingListener listener(EventType::Entity);
    entity.addListener(&listener);
    auto* probe = new ProbeA(&journal, "a");
    auto* sibling = new ProbeB();
    entity.addComponent(probe);
    entity.addComponent(sibling);
    journal.clear();
    delete probe;
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(removedFlags(listener), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(entity.getComponents(), std::vector<Component*>{sibling});
    EXPECT_EQ(entity.getComponent(ProbeA::typeName()), nullptr);
    // The type is free again.
    EXPECT_TRUE(entity.addComponent(new ProbeA()));
}

TEST(Entity, AddComponentsLetsEachFindItsSiblingsWhenNotified) {
    Entity entity;
    auto* first = new ProbeA();
    auto* second = new ProbeB();
    Component* siblingSeen = nullptr;
    first->onEntityChanged = [&](Entity*, Entity*) {
        siblingSeen = first->getSibling(ProbeB::typeName());
    };
    bool duplicateDeleted = false;
    auto* duplicate = new ProbeA();
    duplicate->onDestroy = [&] { duplicateDeleted = true; };
    entity.addComponents({first, duplicate, second});
    EXPECT_EQ(siblingSeen, second);
    EXPECT_TRUE(duplicateDeleted);
    EXPECT_EQ(entity.getComponents(), (std::vector<Component*>{first, second}));
}

TEST(Entity, DestroyingEntityTellsComponentsInOrderAndDeletesThem) {
    std::vector<std::string> journal;
    int destroyed = 0;
    auto* a = new ProbeA(&journal, "a");
    auto* b = new ProbeB(&journal, "b");
    a->onDestroy = b->onDestroy = [&] { ++destroyed; };
    SceneManager scene;
    SceneNode* node = Entity::create("ship", {a, b});
    scene.addNode(node);
    RecordingListener onScene(EventType::Entity);
    scene.addListener(&onScene);
    journal.clear();
    delete node->getEntity();
    EXPECT_EQ(journal, (std::vector<std::string>{"a managerChanged -", "b managerChanged -",
                                                 "a entityChanged -", "b entityChanged -"}));
    EXPECT_EQ(destroyed, 2);
    // The entity had left the scene before its components went; the node stays.
    EXPECT_TRUE(onScene.heard.empty());
    EXPECT_EQ(scene.findEntity("ship"), nullptr);
    EXPECT_EQ(node->getEntity(), nullptr);
    EXPECT_EQ(scene.getRoots().count(node), 1u);
}

TEST(Entity, RoleNameFindsTheComponentAndAllowsOnlyOnePerRole) {
    Entity entity;
    auto* filler = new RoleFiller<3>();
    auto other = std::make_unique<RoleFiller<4>>();
    ASSERT_TRUE(entity.addComponent(filler));
    EXPECT_EQ(entity.getComponent("Role"), filler);
    EXPECT_FALSE(entity.addComponent(other.get()));
    // The refused one left no trace under its own type either.
    EXPECT_EQ(entity.getComponent(other->getType()), nullptr);
    EXPECT_EQ(entity.getComponent("Role"), filler);
    entity.removeComponent(filler);
    EXPECT_EQ(entity.getComponent("Role"), nullptr);
    EXPECT_TRUE(entity.addComponent(other.release()));
    delete filler;

    // A role named like the type itself does not refuse its own component.
    struct SelfRole : RecordingComponent<5> {
        bool attach(Entity* entity) override { return attachAs({getType(), getType()}, entity); }
    };
    Entity self;
    auto* component = new SelfRole();
    EXPECT_TRUE(self.addComponent(component));
}

TEST(Entity, ParentEntityIsNearestAncestorCarryingOne) {
    SceneNode* top = Entity::create("top");
    auto* middle = new SceneNode();
    SceneNode* leaf = Entity::create("leaf");
    top->addChild(middle);
    middle->addChild(leaf);
    EXPECT_EQ(leaf->getEntity()->getParentEntity(), top->getEntity());
    EXPECT_EQ(top->getEntity()->getParentEntity(), nullptr);
    // Outside a scene nobody collects the dead: kill leaves the entity be.
    top->getEntity()->kill();
    EXPECT_NE(top->getEntity(), nullptr);
    delete top;
}

TEST(Entity, VisitorSeesComponentsInAttachmentOrder) {
    Entity entity;
    auto* b = new ProbeB();
    auto* a = new ProbeA();
    entity.addComponent(b);
    entity.addComponent(a);
    std::vector<Component*> seen;
    visitEach<Component>(entity, [&](Component& component) { seen.push_back(&component); });
    EXPECT_EQ(seen, (std::vector<Component*>{b, a}));
}

namespace {
struct FreshNameTag {};
using Named = NameableObject<FreshNameTag>;
} // namespace

TEST(NameableObject, FreshNamesBeginWithByteOneAndSkipNamesInUse) {
    EXPECT_EQ(Named::freshName(), std::string("\x01") + "b");
    Named taken(std::string("\x01") + "c");
    EXPECT_EQ(Named::freshName(), std::string("\x01") + "d");
    for (char expected = 'e'; expected <= 'z'; ++expected)
        EXPECT_EQ(Named::freshName(), std::string("\x01") + expected);
    EXPECT_EQ(Named::freshName(), std::string("\x01") + "{a");
    EXPECT_EQ(Named::freshName(), std::string("\x01") + "{b");
}

TEST(NameableObject, EmptyNameGetsFreshOneAndCountsFollowLifetimes) {
    Named first, second;
    EXPECT_EQ(first.getName()[0], '\x01');
    EXPECT_NE(first.getName(), second.getName());
    {
        Named same("twin"), again("twin");
        EXPECT_EQ(Named::nameCount("twin"), 2u);
    }
    EXPECT_EQ(Named::nameCount("twin"), 0u);
}
