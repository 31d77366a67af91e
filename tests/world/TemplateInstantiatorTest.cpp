#include "world/TemplateInstantiator.h"

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
        scene->addNode(Entity::create("Builder", {new TemplateInstantiator()}));
    }
    void send(const std::string& pairs) {
        scene->sendEvent(EventPtr(events->create("TemplateInstantiation", paramList(pairs))));
    }
    // The entities of that name at that place in the world.
    std::vector<SceneNode*> found(const std::string& name, const Vector2& world) {
        std::vector<SceneNode*> nodes;
        for (Entity* entity : scene->getEntities())
            if (entity->getName() == name && entity->getNode()->getWorldPosition() == world)
                nodes.push_back(entity->getNode());
        return nodes;
    }

    std::unique_ptr<SceneManager> scene;
};

} // namespace

TEST_F(TemplateInstantiatorTest, ResultGoesUnderTheNamedParentOrElseToTheRoot) {
    const std::tuple<std::string, const char*, Vector2> cases[] = {
        {"type=Entity template=Slow parent=Anchor name=Child", "Child", {51, 10}},
        {"type=Entity template=Slow parent=Nobody name=Orphan", "Orphan", {1, 10}},
        {"type=Scene template=Single parent=Anchor", "Lonely", {52, 12}},
        {"type=Scene template=Single parent=Nobody", "Lonely", {2, 12}}};
    SceneNode* anchor = scene->findEntity("Anchor")->getNode();
    for (const auto& [pairs, made, world] : cases) {
        SCOPED_TRACE(pairs);
        std::size_t roots = scene->getRoots().size();
        send(pairs + " pos=(1,10)");
        ASSERT_EQ(1u, found(made, world).size());
        bool underAnchor = pairs.find("Anchor") != std::string::npos;
        EXPECT_EQ(underAnchor ? anchor : nullptr, found(made, world)[0]->getParent());
        EXPECT_EQ(roots + (underAnchor ? 0 : 1), scene->getRoots().size());
    }
    std::size_t roots = scene->getRoots().size();
    send("type=Entity template=Unwritten");
    send("type=Scene template=Unwritten");
    EXPECT_EQ(roots, scene->getRoots().size());
}

TEST_F(TemplateInstantiatorTest,
       OnlyTheFirstInstantiatorInASceneListensAndOrientationIsNormalised) {
    auto* second = new TemplateInstantiator();
    scene->addNode(Entity::create("SecondBuilder", {second}));
    EXPECT_FALSE(second->isListening());
    send("type=Entity template=Slow name=Once ori=(0,3)");
    ASSERT_EQ(1u, found("Once", {0, 0}).size());
    EXPECT_EQ(Vector2(0, 1), found("Once", {0, 0})[0]->getOrientation());
}
