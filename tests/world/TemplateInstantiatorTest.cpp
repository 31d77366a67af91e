#include "world/TemplateInstantiator.h"

#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

using TemplateInstantiatorTest = TemplateFixture;

// Two instantiators in one scene: only the first listens, so each event makes one result.
TEST_F(TemplateInstantiatorTest, ResultGoesUnderTheNamedParentOrElseToTheRoot) {
    SceneManager scene;
    SceneNode* anchor = Entity::create("Anchor");
    anchor->setPosition({50, 0});
    scene.addNode(anchor);
    scene.addNode(Entity::create("Builder", {new TemplateInstantiator()}));
    scene.addNode(Entity::create("SecondBuilder", {new TemplateInstantiator()}));
    const std::tuple<std::string, const char*, Vector2, SceneNode*> cases[] = {
        {"type=Entity template=Slow parent=Anchor name=Child", "Child", {51, 10}, anchor},
        {"type=Entity template=Slow parent=Nobody name=Orphan", "Orphan", {1, 10}, nullptr},
        {"type=Scene template=Single parent=Anchor", "Lonely", {52, 12}, anchor},
        {"type=Scene template=Single parent=Nobody", "Lonely", {2, 12}, nullptr},
        {"type=Entity template=Unwritten", "", {}, nullptr},
        {"type=Scene template=Unwritten", "", {}, nullptr}};
    for (const auto& [pairs, name, world, parent] : cases) {
        SCOPED_TRACE(pairs);
        std::size_t entities = scene.getEntities().size();
        scene.sendEvent(EventPtr(
            events->create("TemplateInstantiation", paramList(pairs + " pos=(1,10) ori=(0,3)"))));
        ASSERT_EQ(entities + (*name ? 1 : 0), scene.getEntities().size());
        if (!*name)
            continue;
        SceneNode* made = nullptr;
        for (Entity* entity : scene.getEntities())
            if (entity->getName() == name && entity->getNode()->getWorldPosition() == world)
                made = entity->getNode();
        ASSERT_NE(nullptr, made);
        EXPECT_EQ(Vector2(0, 1), made->getOrientation());
        EXPECT_EQ(parent, made->getParent());
    }
}
