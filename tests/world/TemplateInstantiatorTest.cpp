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

TEST_F(TemplateInstantiatorTest, ResultGoesUnderTheNamedParentOrElseToTheRoot) {
    struct Case {
        const char *type, *templateName, *parent, *made;
        Vector2 world;
    };
    const Case cases[] = {{"Entity", "Slow", "Anchor", "Child", {51, 10}},
                          {"Entity", "Slow", "Nobody", "Orphan", {1, 10}},
                          {"Scene", "Single", "Anchor", "Lonely", {52, 12}},
                          {"Scene", "Single", "Nobody", "Lonely", {2, 12}}};
    SceneNode* anchor = scene->findEntity("Anchor")->getNode();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.parent);
        std::size_t roots = scene->getRoots().size();
        send(c.type, c.templateName, c.parent, "(1,10)", c.made);
        SceneNode* node = nullptr;
        for (Entity* entity : scene->getEntities())
            if (entity->getName() == c.made && entity->getNode()->getWorldPosition() == c.world)
                node = entity->getNode();
        ASSERT_NE(nullptr, node);
        bool underAnchor = std::string(c.parent) == "Anchor";
        EXPECT_EQ(underAnchor ? anchor : nullptr, node->getParent());
        EXPECT_EQ(roots + (underAnchor ? 0 : 1), scene->getRoots().size());
    }
    std::size_t roots = scene->getRoots().size();
    send("Entity", "Unwritten");
    send("Scene", "Unwritten");
    EXPECT_EQ(roots, scene->getRoots().size());
}

TEST_F(TemplateInstantiatorTest, OnlyTheFirstInstantiatorInASceneListens) {
    auto* second = new TemplateInstantiator();
    scene->addNode(Entity::create("SecondBuilder", {second}));
    EXPECT_FALSE(second->isListening());
    send("Entity", "Slow", "", "(0,0)", "Once");
    std::size_t made = 0;
    for (Entity* entity : scene->getEntities())
        made += entity->getName() == "Once";
    EXPECT_EQ(1u, made);
}

TEST_F(TemplateInstantiatorTest, EventReadsPlacementAndTimeAndRefusesAnUnknownType) {
    ParamList params;
    params.set("type", "Scene");
    params.set("template", "Single");
    params.set("time", "2.5");
    params.set("ori", "(0,3)");
    std::unique_ptr<FactoryEvent> made(events->create("TemplateInstantiation", params));
    auto* event = dynamic_cast<TemplateInstantiationActionEvent*>(made.get());
    ASSERT_NE(nullptr, event);
    EXPECT_EQ(2.5, event->getTime());
    EXPECT_EQ(Vector2(0, 1), event->ori);

    params.set("type", "Sideways");
    try {
        delete events->create("TemplateInstantiation", params);
        FAIL() << "no exception";
    } catch (const myexception& error) {
        EXPECT_STREQ("Invalid type for parameter template.", error.what());
    }
}
