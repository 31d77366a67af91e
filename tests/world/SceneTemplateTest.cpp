#include "world/SceneTemplate.h"

#include "support/ProbeComponent.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <memory>
#include <sstream>

namespace {

class SceneTemplateTest : public TemplateFixture {
protected:
    SceneTemplatePtr loaded(const std::string& name) {
        SceneTemplatePtr found = sceneTemplates->getTemplate(name, "");
        found->load();
        return found;
    }
    // Roots are kept until the test ends.
    std::vector<SceneNode*> build(const std::string& name, const Vector2& position = {0, 0},
                                  const Vector2& orientation = {1, 0},
                                  const Vector2& scale = {1, 1}) {
        std::vector<SceneNode*> roots;
        loaded(name)->instantiate(roots, position, orientation, scale);
        for (SceneNode* root : roots)
            owned.emplace_back(root);
        return roots;
    }
    static std::string label(SceneNode* node) {
        Entity* entity = node ? node->getEntity() : nullptr;
        auto* probe = entity ? entity->getComponent<ProbeComponent>("Probe") : nullptr;
        return probe ? probe->params.getText("label") : "(no entity)";
    }

    std::vector<std::unique_ptr<SceneNode>> owned;
};

void expectNear(const Vector2& expected, const Vector2& actual) {
    EXPECT_NEAR(expected.x, actual.x, 1e-6) << "y " << actual.y;
    EXPECT_NEAR(expected.y, actual.y, 1e-6) << "x " << actual.x;
}

} // namespace

TEST_F(SceneTemplateTest, OrientationsAreAnglesOrVectorsNormalisedAndBadValuesKeepDefaults) {
    std::vector<SceneNode*> roots = build("Turns");
    ASSERT_EQ(4u, roots.size());
    expectNear({0, 1}, roots[0]->getOrientation());
    expectNear({0, 1}, roots[1]->getOrientation());
    // A zero direction has no length to divide by; an unclosed vector is not a vector.
    expectNear({1, 0}, roots[2]->getOrientation());
    expectNear({0, 0}, roots[2]->getPosition());
    expectNear({2, 2}, roots[2]->getScale());
    // Components too large to square still give a unit direction.
    expectNear({std::sqrt(0.5), std::sqrt(0.5)}, roots[3]->getOrientation());
    EXPECT_TRUE(loaded("Turns")->isInline());
}

TEST_F(SceneTemplateTest, ChildrenArePlacedInTheirSpaceAndCarryTheirEntities) {
    std::vector<SceneNode*> roots = build("Family");
    ASSERT_EQ(2u, roots.size());
    SceneNode* parent = roots[0];
    EXPECT_EQ("mother", label(parent));
    ASSERT_EQ(2u, parent->getChildren().size());

    SceneNode* inParent = parent->getChildren()[0];
    EXPECT_EQ("ChildInParent", inParent->getEntity()->getName());
    EXPECT_EQ("unnamed", label(inParent));
    expectNear({10, 2}, inParent->getWorldPosition());
    expectNear({0, 1}, inParent->getWorldOrientation());
    expectNear({2, 2}, inParent->getWorldScale());

    SceneNode* inWorld = parent->getChildren()[1];
    EXPECT_FALSE(inWorld->getInheritOri() || inWorld->getInheritScl());
    expectNear({1, 0}, inWorld->getWorldPosition());
    expectNear({1, 0}, inWorld->getWorldOrientation());
    expectNear({1, 1}, inWorld->getWorldScale());
    ASSERT_EQ(1u, inWorld->getChildren().size());
    EXPECT_EQ(nullptr, inWorld->getChildren()[0]->getEntity());

    // An entity without a template attribute leaves its node empty.
    EXPECT_EQ(nullptr, roots[1]->getEntity());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate , at row 25 and column 7: template "
                            "attribute missing from EntityTemplate."));
}

TEST_F(SceneTemplateTest, IncludedTemplatesLandAtTheSumOfBothPlacementsOffsetsNotTurned) {
    std::vector<SceneNode*> roots = build("Host", {5, 5});
    ASSERT_EQ(3u, roots.size());
    expectNear({5, 6}, roots[0]->getPosition());
    expectNear({16, 7}, roots[1]->getPosition());
    EXPECT_EQ("Lonely", roots[1]->getEntity()->getName());
    expectNear({6, 17}, roots[2]->getPosition());
    expectNear({0, 1}, roots[2]->getOrientation());
    expectNear({3, 3}, roots[2]->getScale());
    EXPECT_EQ(std::set<std::string>{"Single"}, loaded("Host")->getIncluded());

    // The offset is added, not turned: turning applies to the node's own orientation.
    SceneNode* single = build("Single", {1, 1}, {0, 1}, {2, 3}).at(0);
    expectNear({2, 3}, single->getPosition());
    expectNear({0, 1}, single->getOrientation());
    expectNear({2, 3}, single->getScale());
}

TEST_F(SceneTemplateTest, BadIncludesAndUnknownEntityTemplatesAreReportedAndSkipped) {
    EXPECT_EQ(2u, loaded("Host")->getIncludes().size());
    EXPECT_FALSE(sceneTemplates->getByName("Absent"));
    EXPECT_EQ(nullptr, build("Broken").at(0)->getEntity());
    EXPECT_FALSE(entityTemplates->getByName("Phantom"));
    // Self-inclusion, direct or through a cycle, is cut where it closes.
    EXPECT_EQ(1u, build("Mirror").size());
    std::vector<SceneNode*> ping = build("Ping");
    ASSERT_EQ(2u, ping.size());
    expectNear({2, 0}, ping[1]->getPosition());
    EXPECT_EQ(1u, build("Pong").size());
    for (const char* message :
         {"Error: Loading SceneTemplate Host, at row 37 and column 5: name attribute missing from "
          "SceneTemplate.",
          "Error: Loading SceneTemplate Absent: cannot find element name in any loaded xml files.",
          "Error: Loading EntityTemplate Phantom: cannot find element name in any loaded xml "
          "files.",
          "Error: Loading SceneTemplate Mirror, at row 42 and column 5: template included within "
          "itself.",
          "Error: Loading SceneTemplate Pong, at row 50 and column 5: template included within "
          "itself."})
        EXPECT_EQ(1, countInLog(message)) << message;
}

TEST_F(SceneTemplateTest, InstantiatingInASceneOrUnderANodeReturnsTheFirstRootOrNothing) {
    SceneManager scene;
    SceneNode* first = loaded("Host")->instantiateInScene(&scene, {0, 0}, {1, 0}, {1, 1});
    EXPECT_EQ(3u, scene.getRoots().size());
    EXPECT_EQ(1u, scene.getRoots().count(first));
    EXPECT_EQ(first,
              loaded("Single")->instantiateUnder(first, {0, 0}, {1, 0}, {1, 1})->getParent());
    EXPECT_EQ(nullptr, loaded("Unwritten")->instantiateInScene(&scene, {0, 0}, {1, 0}, {1, 1}));
    EXPECT_TRUE(build("Unwritten").empty());
}

TEST_F(SceneTemplateTest, HostileIncludesCannotMultiplyWithoutBoundOrExhaustTheStack) {
    // Doubling: each level includes the next twice, 2^17 nodes from a few lines. Chain: 300
    // levels, each including the next.
    std::ostringstream data;
    data << "<Scenes>\n";
    for (int level = 0; level < 17; ++level)
        data << "<SceneTemplate name=\"Doubling" << level << "\"><SceneTemplate name=\"Doubling"
             << level + 1 << "\"/><SceneTemplate name=\"Doubling" << level + 1
             << "\"/></SceneTemplate>\n";
    data << "<SceneTemplate name=\"Doubling17\"><SceneNode/></SceneTemplate>\n";
    for (int level = 0; level < 300; ++level)
        data << "<SceneTemplate name=\"Chain" << level
             << "\"><SceneNode/><SceneTemplate name=\"Chain" << level + 1
             << "\"/></SceneTemplate>\n";
    writeTextFile(scratch.file("Hostile.xml"), data.str() + "</Scenes>\n");
    loadDataFile("./Hostile.xml");

    EXPECT_EQ(100000u, build("Doubling0").size());
    EXPECT_EQ(1, countInLog("Error: instantiating SceneTemplate Doubling17: more than 100000 "
                            "nodes; the rest are left out."));
    // The limit is per instantiation.
    EXPECT_EQ(2u, build("Doubling16").size());
    EXPECT_EQ(129u, build("Chain0").size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Chain128, at row 148 and column 44: "
                            "included templates nested more than 128 deep."));
}
