#include "world/SceneNode.h"
#include "core/ParamList.h"
#include "world/Entity.h"
#include "world/SceneListener.h"
#include "world/SceneManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

namespace {

const Vector2 quarterTurn(0, 1);

void expectNear(const Vector2& actual, const Vector2& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << "x";
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << "y";
}

Vector2 transformed(const Matrix3& m, const Vector2& p) {
    return {m[0] * p.x + m[3] * p.y + m[6], m[1] * p.x + m[4] * p.y + m[7]};
}

// Parent at (10, 0), turned a quarter, scaled 2; the child under it.
struct Family {
    std::unique_ptr<SceneNode> parent{new SceneNode(Vector2(10, 0), quarterTurn, Vector2(2, 2))};
    SceneNode* child = new SceneNode(Vector2(1, 0));
    Family() { parent->addChild(child); }
};

} // namespace

TEST(SceneNode, ChildComposesWithParentTransform) {
    Family family;
    expectNear(family.child->getWorldPosition(), Vector2(10, 2));
    expectNear(family.child->getWorldOrientation(), quarterTurn);
    expectNear(family.child->getWorldScale(), Vector2(2, 2));
    expectNear(family.child->getPosition(), Vector2(1, 0));
    // Without inheriting, only the child's own orientation and scale count; the position is
    // still turned and scaled by the parent.
    family.child->setInheritOri(false);
    family.child->setInheritScl(false);
    expectNear(family.child->getWorldOrientation(), Vector2(1, 0));
    expectNear(family.child->getWorldScale(), Vector2(1, 1));
    expectNear(family.child->getWorldPosition(), Vector2(10, 2));
}

TEST(SceneNode, UnderATurnedUnevenlyScaledParentTheOffsetIsScaledThenTurned) {
    // (1, 0) scaled by (2, 1) is (2, 0), turned a quarter (0, 2); turning first would give (0, 1).
    SceneNode parent(Vector2(0, 0), quarterTurn, Vector2(2, 1));
    auto* child = new SceneNode(Vector2(1, 0));
    parent.addChild(child);
    expectNear(child->getWorldPosition(), Vector2(0, 2));
}

TEST(SceneNode, MovingParentInvalidatesWholeSubtree) {
    Family family;
    auto* grandchild = new SceneNode(Vector2(0, 1));
    family.child->addChild(grandchild);
    expectNear(grandchild->getWorldPosition(), Vector2(8, 2));
    family.parent->setPosition(Vector2(0, 0));
    expectNear(grandchild->getWorldPosition(), Vector2(-2, 2));
    expectNear(transformed(grandchild->getWorldMatrix(), Vector2(0, 0)), Vector2(-2, 2));
}

TEST(SceneNode, LocalSetPositionMovesAlongOwnScaledAxes) {
    SceneNode node(Vector2(5, 5), quarterTurn, Vector2(3, 1));
    node.setPosition(Vector2(0, 0), SceneNode::Local);
    expectNear(node.getPosition(), Vector2(5, 5));
    node.setPosition(Vector2(1, 0), SceneNode::Local);
    expectNear(node.getPosition(), Vector2(5, 8));
    node.translate(Vector2(0, 1), SceneNode::Local);
    expectNear(node.getPosition(), Vector2(4, 8));
}

TEST(SceneNode, WorldSpaceSettersLandOnTheGivenWorldValues) {
    Family family;
    family.child->setPosition(Vector2(4, 6), SceneNode::World);
    expectNear(family.child->getWorldPosition(), Vector2(4, 6));
    family.child->setOrientation(Vector2(-1, 0), SceneNode::World);
    expectNear(family.child->getWorldOrientation(), Vector2(-1, 0));
    family.child->setScale(Vector2(1, 4), SceneNode::World);
    expectNear(family.child->getWorldScale(), Vector2(1, 4));
    family.child->translate(Vector2(1, 1), SceneNode::World);
    expectNear(family.child->getWorldPosition(), Vector2(5, 7));
    // Parent space is the plain local value.
    family.child->setPosition(Vector2(1, 0), SceneNode::Parent);
    family.child->translate(Vector2(1, 0), SceneNode::Parent);
    expectNear(family.child->getPosition(), Vector2(2, 0));
}

TEST(SceneNode, LocalOrientationAndScaleCompose) {
    SceneNode node(Vector2(0, 0), quarterTurn, Vector2(2, 3));
    node.setOrientation(quarterTurn, SceneNode::Local);
    expectNear(node.getOrientation(), Vector2(-1, 0));
    node.rotate(quarterTurn);
    expectNear(node.getOrientation(), Vector2(0, -1));
    node.setScale(Vector2(2, 2), SceneNode::Local);
    expectNear(node.getScale(), Vector2(4, 6));
}

TEST(SceneNode, ZeroParentScaleKeepsWorldSettingFinite) {
    SceneNode parent(Vector2(0, 0), Vector2(1, 0), Vector2(0, 2));
    auto* child = new SceneNode(Vector2(3, 1));
    parent.addChild(child);
    child->setPosition(Vector2(7, 8), SceneNode::World);
    child->setScale(Vector2(5, 5), SceneNode::World);
    child->translate(Vector2(1, 1), SceneNode::World);
    EXPECT_TRUE(std::isfinite(child->getPosition().x) && std::isfinite(child->getPosition().y));
    EXPECT_TRUE(std::isfinite(child->getScale().x) && std::isfinite(child->getScale().y));
    expectNear(child->getPosition(), Vector2(3, 4.5));
    expectNear(child->getWorldPosition(), Vector2(0, 9));
}

TEST(SceneNode, WorldMatrixIsLocalTimesParent) {
    Family family;
    Matrix3 local = SceneNode(Vector2(10, 0), quarterTurn, Vector2(2, 2)).getWorldMatrix();
    EXPECT_EQ(local, (Matrix3{{0, 2, 0, -2, 0, 0, 10, 0, 1}}));
    expectNear(transformed(family.child->getWorldMatrix(), Vector2(0, 0)), Vector2(10, 2));
    expectNear(transformed(family.child->getWorldMatrix(), Vector2(1, 0)), Vector2(10, 4));
}

TEST(SceneNode, RemoveChildKeepingWorldLeavesItInPlace) {
    Family family;
    family.child->setScale(Vector2(1, 3));
    Vector2 position = family.child->getWorldPosition();
    Vector2 orientation = family.child->getWorldOrientation();
    Vector2 scale = family.child->getWorldScale();
    ASSERT_TRUE(family.parent->removeChild(family.child, true));
    std::unique_ptr<SceneNode> freed(family.child);
    expectNear(freed->getWorldPosition(), position);
    expectNear(freed->getWorldOrientation(), orientation);
    expectNear(freed->getWorldScale(), scale);
    EXPECT_EQ(freed->getParent(), nullptr);
    EXPECT_TRUE(family.parent->getChildren().empty());
}

TEST(SceneNode, AddChildRefusesParentedForeignAndCyclicNodes) {
    SceneNode a, b;
    auto* c = new SceneNode();
    ASSERT_TRUE(a.addChild(c));
    EXPECT_FALSE(b.addChild(c));
    EXPECT_FALSE(c->addChild(&a)); // a has no parent, but is c's ancestor
    EXPECT_EQ(a.getParent(), nullptr);
    EXPECT_FALSE(a.addChild(&a));
    EXPECT_FALSE(a.removeChild(&b));

    SceneManager one, two;
    auto* inOne = new SceneNode();
    auto* inTwo = new SceneNode();
    one.addNode(inOne);
    two.addNode(inTwo);
    EXPECT_FALSE(inOne->addChild(inTwo));
    EXPECT_EQ(inTwo->getManager(), &two);
}

TEST(SceneNode, RootMovedUnderAnotherNodeOfSameSceneIsNotAnnouncedTwice) {
    SceneManager scene;
    auto* holder = new SceneNode();
    SceneNode* ship = Entity::create("ship");
    scene.addNode(holder);
    scene.addNode(ship);
    int arrivals = 0;
    struct Counter : SceneListener {
        int& count;
        explicit Counter(int& count) : count(count) {}
        void entityEntered(const SceneEventPtr&) override { ++count; }
        void entityLeft(const SceneEventPtr&) override {}
    } counter(arrivals);
    scene.addListener(&counter);
    ASSERT_TRUE(holder->addChild(ship));
    EXPECT_EQ(arrivals, 0);
    EXPECT_EQ(scene.getRoots(), std::set<SceneNode*>{holder});
    EXPECT_EQ(ship->getManager(), &scene);
}

TEST(SceneNode, VisitsSubtreePreOrder) {
    SceneNode root;
    auto* first = new SceneNode();
    auto* second = new SceneNode();
    auto* inner = new SceneNode();
    root.addChild(first);
    root.addChild(second);
    first->addChild(inner);
    std::vector<SceneNode*> seen;
    visitEach<SceneNode>(root, [&](SceneNode& node) { seen.push_back(&node); });
    EXPECT_EQ(seen, (std::vector<SceneNode*>{&root, first, inner, second}));
}

TEST(SceneNode, TransformSpaceReadsItsNamesAndKeepsValueOtherwise) {
    ParamList params;
    params.set("a", "World");
    params.set("b", "Local");
    params.set("c", "world");
    SceneNode::TransformSpace space = SceneNode::Parent;
    EXPECT_EQ(params.get("a", space), ParamList::Found);
    EXPECT_EQ(space, SceneNode::World);
    EXPECT_EQ(params.get("b", space), ParamList::Found);
    EXPECT_EQ(space, SceneNode::Local);
    EXPECT_EQ(params.get("c", space), ParamList::NotConvertible);
    EXPECT_EQ(space, SceneNode::Local);
}
