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
    EXPECT_EQ("Parent", parent->getEntity()->getName());
    EXPECT_EQ("mother", label(parent));
    ASSERT_EQ(2u, parent->getChildren().size());

    SceneNode* inParent = parent->getChildren()[0];
    EXPECT_EQ("ChildInParent", inParent->getEntity()->getName());
    EXPECT_EQ("unnamed", label(inParent));
    expectNear({10, 2}, inParent->getWorldPosition());
    expectNear({0, 1}, inParent->getWorldOrientation());
    expectNear({2, 2}, inParent->getWorldScale());

    SceneNode* inWorld = parent->getChildren()[1];
    EXPECT_EQ("ChildInWorld", inWorld->getEntity()->getName());
    EXPECT_FALSE(inWorld->getInheritOri());
    EXPECT_FALSE(inWorld->getInheritScl());
    expectNear({1, 0}, inWorld->getWorldPosition());
    expectNear({1, 0}, inWorld->getWorldOrientation());
    expectNear({1, 1}, inWorld->getWorldScale());
    ASSERT_EQ(1u, inWorld->getChildren().size());
    EXPECT_EQ(nullptr, inWorld->getChildren()[0]->getEntity());

    // An entity without a template attribute leaves its node empty.
    EXPECT_EQ(nullptr, roots[1]->getEntity());
    expectNear({0, 7}, roots[1]->getPosition());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate , at row 25 and column 7: template "
                            "attribute missing from EntityTemplate."));
}

TEST_F(SceneTemplateTest, UnknownEntityTemplateIsDroppedFromItsManagerAndTheNodeStaysEmpty) {
    std::vector<SceneNode*> roots = build("Broken");
    ASSERT_EQ(1u, roots.size());
    EXPECT_EQ(nullptr, roots[0]->getEntity());
    EXPECT_FALSE(entityTemplates->getByName("Phantom"));
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Phantom: cannot find element name in "
                            "any loaded xml files."));
}

TEST_F(SceneTemplateTest, IncludedTemplatesLandAtTheSumOfBothPlacements) {
    std::vector<SceneNode*> roots = build("Host", {5, 5});
    ASSERT_EQ(3u, roots.size());
    expectNear({5, 6}, roots[0]->getPosition());
    expectNear({16, 7}, roots[1]->getPosition());
    EXPECT_EQ("Lonely", roots[1]->getEntity()->getName());
    expectNear({6, 17}, roots[2]->getPosition());
    expectNear({0, 1}, roots[2]->getOrientation());
    expectNear({3, 3}, roots[2]->getScale());
    EXPECT_EQ(std::set<std::string>{"Single"}, loaded("Host")->getIncluded());
}

TEST_F(SceneTemplateTest, PlacementTurnsAndScalesEachRootAfterMovingIt) {
    std::vector<SceneNode*> roots = build("Single", {1, 1}, {0, 1}, {2, 3});
    ASSERT_EQ(1u, roots.size());
    // The offset is added, not turned: turning applies to the node's own orientation.
    expectNear({2, 3}, roots[0]->getPosition());
    expectNear({0, 1}, roots[0]->getOrientation());
    expectNear({2, 3}, roots[0]->getScale());
}

TEST_F(SceneTemplateTest, BadIncludesAreReportedAndSkipped) {
    SceneTemplatePtr host = loaded("Host");
    EXPECT_FALSE(host->loadFailed());
    EXPECT_EQ(2u, host->getIncludes().size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Host, at row 37 and column 5: name "
                            "attribute missing from SceneTemplate."));
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Absent: cannot find element name in "
                            "any loaded xml files."));
    EXPECT_FALSE(sceneTemplates->getByName("Absent"));
}

TEST_F(SceneTemplateTest, TemplateIncludingItselfIsRefused) {
    std::vector<SceneNode*> roots = build("Mirror");
    EXPECT_EQ(1u, roots.size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Mirror, at row 42 and column 5: "
                            "template included within itself."));
}

TEST_F(SceneTemplateTest, InclusionCycleIsCutWhereItClosesAndInstantiationEnds) {
    std::vector<SceneNode*> ping = build("Ping");
    ASSERT_EQ(2u, ping.size());
    expectNear({1, 0}, ping[0]->getPosition());
    expectNear({2, 0}, ping[1]->getPosition());
    EXPECT_EQ(1u, build("Pong").size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Pong, at row 50 and column 5: "
                            "template included within itself."));
}

TEST_F(SceneTemplateTest, InstantiatingInASceneOrUnderANodeReturnsTheFirstRootOrNothing) {
    SceneManager scene;
    SceneNode* first = loaded("Host")->instantiateInScene(&scene, {0, 0}, {1, 0}, {1, 1});
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(3u, scene.getRoots().size());
    EXPECT_EQ(1u, scene.getRoots().count(first));
    EXPECT_NE(nullptr, scene.findEntity("Lonely"));

    SceneNode* under = loaded("Single")->instantiateUnder(first, {0, 0}, {1, 0}, {1, 1});
    ASSERT_NE(nullptr, under);
    EXPECT_EQ(first, under->getParent());
    EXPECT_EQ(&scene, under->getManager());
    EXPECT_EQ(nullptr, loaded("Unwritten")->instantiateInScene(&scene, {0, 0}, {1, 0}, {1, 1}));
    EXPECT_TRUE(loaded("Unwritten")->loadFailed());
    EXPECT_TRUE(build("Unwritten").empty());
}

TEST_F(SceneTemplateTest, RepeatedIncludesCannotMultiplyWithoutBound) {
    // Each level includes the next twice: 2^17 nodes from a few lines of data.
    std::ostringstream data;
    data << "<Scenes>\n";
    for (int level = 0; level < 17; ++level)
        data << "<SceneTemplate name=\"Level" << level << "\"><SceneTemplate name=\"Level"
             << level + 1 << "\"/><SceneTemplate name=\"Level" << level + 1
             << "\"/></SceneTemplate>\n";
    data << "<SceneTemplate name=\"Level17\"><SceneNode/></SceneTemplate>\n</Scenes>\n";
    writeTextFile(scratch.file("Doubling.xml"), data.str());
    loadDataFile("./Doubling.xml");

    std::vector<SceneNode*> roots = build("Level0");
    EXPECT_EQ(100000u, roots.size());
    EXPECT_EQ(1, countInLog("Error: instantiating SceneTemplate Level17: more than 100000 nodes; "
                            "the rest are left out."));
    // The limit is per instantiation.
    EXPECT_EQ(2u, build("Level16").size());
}

TEST_F(SceneTemplateTest, VeryLongChainOfIncludesIsCutInsteadOfExhaustingTheStack) {
    std::ostringstream data;
    data << "<Scenes>\n";
    for (int level = 0; level < 300; ++level)
        data << "<SceneTemplate name=\"Chain" << level
             << "\"><SceneNode/><SceneTemplate name=\"Chain" << level + 1
             << "\"/></SceneTemplate>\n";
    data << "</Scenes>\n";
    writeTextFile(scratch.file("Chain.xml"), data.str());
    loadDataFile("./Chain.xml");

    EXPECT_EQ(129u, build("Chain0").size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Chain128, at row 130 and column 44: "
                            "included templates nested more than 128 deep."));
}
