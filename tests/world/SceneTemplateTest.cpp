#include "world/SceneTemplate.h"

#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <array>
#include <sstream>

namespace {

class SceneTemplateTest : public TemplateFixture {
protected:
    // Roots are kept until the test ends.
    std::vector<SceneNode*> build(const std::string& name, const Vector2& position = {0, 0},
                                  const Vector2& orientation = {1, 0},
                                  const Vector2& scale = {1, 1}) {
        SceneTemplatePtr found = sceneTemplates->getTemplate(name, "");
        found->load();
        std::vector<SceneNode*> roots;
        found->instantiate(roots, position, orientation, scale);
        for (SceneNode* root : roots)
            owned.emplace_back(root);
        return roots;
    }

    std::vector<std::unique_ptr<SceneNode>> owned;
};

// Position, orientation and scale of a node, in its parent's space or the world's.
void expectPlace(const std::array<Vector2, 3>& expected, SceneNode* node, bool world = false) {
    const Vector2 actual[] = {world ? node->getWorldPosition() : node->getPosition(),
                              world ? node->getWorldOrientation() : node->getOrientation(),
                              world ? node->getWorldScale() : node->getScale()};
    for (int part = 0; part < 3; ++part) {
        EXPECT_NEAR(expected[part].x, actual[part].x, 1e-6) << part;
        EXPECT_NEAR(expected[part].y, actual[part].y, 1e-6) << part;
    }
}

} // namespace

// Zero, unclosed and unsquarable vectors: the default, or still a unit direction.
TEST_F(SceneTemplateTest, OrientationsAreAnglesOrVectorsNormalisedAndBadValuesKeepDefaults) {
    std::vector<SceneNode*> roots = build("Turns");
    ASSERT_EQ(4u, roots.size());
    const double half = std::sqrt(0.5);
    const std::array<Vector2, 3> expected[] = {{{{0, 0}, {0, 1}, {1, 1}}},
                                               {{{0, 0}, {0, 1}, {1, 1}}},
                                               {{{0, 0}, {1, 0}, {2, 2}}},
                                               {{{0, 0}, {half, half}, {1, 1}}}};
    for (int root = 0; root < 4; ++root)
        expectPlace(expected[root], roots[root]);
}

TEST_F(SceneTemplateTest, ChildrenArePlacedInTheirSpaceAndCarryTheirEntities) {
    std::vector<SceneNode*> roots = build("Family");
    ASSERT_EQ(2u, roots.size());
    const std::vector<SceneNode*>& children = roots[0]->getChildren();
    ASSERT_EQ(2u, children.size());
    EXPECT_EQ("ChildInParent", children[0]->getEntity()->getName());
    expectPlace({{{10, 2}, {0, 1}, {2, 2}}}, children[0], true);
    expectPlace({{{1, 0}, {1, 0}, {1, 1}}}, children[1], true);
    EXPECT_EQ(nullptr, children[1]->getChildren().at(0)->getEntity());
    EXPECT_EQ(nullptr, roots[1]->getEntity()); // no template attribute
}

TEST_F(SceneTemplateTest, BadIncludesAndUnknownEntityTemplatesAreReportedAndSkipped) {
    EXPECT_TRUE(build("Unwritten").empty());
    EXPECT_EQ(nullptr, build("Broken").at(0)->getEntity());
    // Self-inclusion, direct or through a cycle, is cut where it closes.
    EXPECT_EQ(1u, build("Mirror").size());
    EXPECT_EQ(2u, build("Ping").size());
    EXPECT_EQ(1u, build("Pong").size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Mirror, at row 22 and column 44: "
                            "template included within itself."));
    EXPECT_EQ(2, countInLog("template included within itself."));
}

// Doubling: 2^17 nodes from a few lines. Chain: 300 levels, each including the next.
TEST_F(SceneTemplateTest, HostileIncludesCannotMultiplyWithoutBoundOrExhaustTheStack) {
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
    EXPECT_EQ(2u, build("Doubling16").size()); // the limit is per instantiation
    EXPECT_EQ(129u, build("Chain0").size());
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Chain128, at row 148 and column 44: "
                            "included templates nested more than 128 deep."));
}
