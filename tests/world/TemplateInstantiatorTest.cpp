#include "world/TemplateInstantiator.h"

#include "core/myexception.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/TemplateInstantiationActionEvent.h"

namespace {

class TemplateInstantiatorTest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        scene = std::make_unique<SceneManager>();
        SceneNode* anchor = Entity::create("Anchor");
        anchor->setPosition({50, 0});
        scene->addNode(anchor);
        instantiator = new TemplateInstantiator();
        scene->addNode(Entity::create("Builder", {instantiator}));
    }
    void TearDown() override {
        scene.reset();
        TemplateFixture::TearDown();
    }

    void send(const std::string& type, const std::string& templateName,
              const std::string& parent = "", const std::string& pos = "(0,0)",
              const std::string& name = "") {
        ParamList params;
        params.set("type", type);
        params.set("template", templateName);
        params.set("parent", parent);
        params.set("pos", pos);
        params.set("name", name);
        scene->sendEvent(EventPtr(events->create("TemplateInstantiation", params)));
    }

    std::unique_ptr<SceneManager> scene;
    TemplateInstantiator* instantiator = nullptr;
};

} // namespace

TEST_F(TemplateInstantiatorTest, EntityGoesUnderTheNamedParentOrElseToTheRoot) {
    send("Entity", "Slow", "Anchor", "(1,2)", "Child");
    Entity* child = scene->findEntity("Child");
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(scene->findEntity("Anchor")->getNode(), child->getNode()->getParent());
    EXPECT_EQ(Vector2(51, 2), child->getNode()->getWorldPosition());

    send("Entity", "Slow", "Nobody", "(1,2)", "Orphan");
    Entity* orphan = scene->findEntity("Orphan");
    ASSERT_NE(nullptr, orphan);
    EXPECT_EQ(1u, scene->getRoots().count(orphan->getNode()));
}

TEST_F(TemplateInstantiatorTest, SceneTemplateGoesUnderTheNamedParentOrElseToTheRoot) {
    send("Scene", "Single", "Anchor", "(0,10)");
    Entity* lonely = scene->findEntity("Lonely");
    ASSERT_NE(nullptr, lonely);
    EXPECT_EQ(scene->findEntity("Anchor")->getNode(), lonely->getNode()->getParent());
    EXPECT_EQ(Vector2(51, 12), lonely->getNode()->getWorldPosition());

    std::size_t roots = scene->getRoots().size();
    send("Scene", "Host", "Nobody");
    EXPECT_EQ(roots + 3, scene->getRoots().size());
}

TEST_F(TemplateInstantiatorTest, UnknownTemplatesMakeNothing) {
    std::size_t roots = scene->getRoots().size();
    send("Entity", "Unwritten");
    send("Scene", "Unwritten");
    EXPECT_EQ(roots, scene->getRoots().size());
}

TEST_F(TemplateInstantiatorTest, OnlyTheFirstInstantiatorInASceneListens) {
    auto* second = new TemplateInstantiator();
    scene->addNode(Entity::create("SecondBuilder", {second}));
    EXPECT_TRUE(instantiator->isListening());
    EXPECT_FALSE(second->isListening());
    send("Entity", "Slow", "", "(0,0)", "Once");
    EXPECT_NE(nullptr, scene->findEntity("Once"));
    std::size_t made = 0;
    for (Entity* entity : scene->getEntities())
        made += entity->getName() == "Once";
    EXPECT_EQ(1u, made);
}

TEST_F(TemplateInstantiatorTest, EventWithAnUnknownTypeIsRefusedWhenMade) {
    ParamList params;
    params.set("type", "Sideways");
    params.set("template", "Single");
    try {
        delete events->create("TemplateInstantiation", params);
        FAIL() << "no exception";
    } catch (const myexception& error) {
        EXPECT_STREQ("Invalid type for parameter template.", error.what());
    }
}

TEST_F(TemplateInstantiatorTest, EventReadsPlacementAndTimeNormalisingOrientation) {
    ParamList params;
    params.set("type", "Scene");
    params.set("template", "Single");
    params.set("time", "2.5");
    params.set("ori", "(0,3)");
    params.set("scl", "(2,2)");
    std::unique_ptr<FactoryEvent> made(events->create("TemplateInstantiation", params));
    auto* event = dynamic_cast<TemplateInstantiationActionEvent*>(made.get());
    ASSERT_NE(nullptr, event);
    EXPECT_EQ(2.5, event->getTime());
    EXPECT_EQ(Vector2(0, 1), event->ori);
    EXPECT_EQ(Vector2(2, 2), event->scl);
    EXPECT_EQ(Vector2(0, 0), event->pos);
}
