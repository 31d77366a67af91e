#include "world/SceneNode.h"
#include "world/SceneManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const Vector2 quarterTurn(0, 1);

void expectNear(const Vector2& actual, const Vector2& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << "x";
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << "y";
}

Vector2 transformed(const Matrix3& m, const Vector2& p) {
    return {m[0] * p.x + m[3] * p.y + m[6], m[1] * p.x + m[4] * p.y + m[7]};
}

// Parent (10,0), quarter turn, scale 2; child (1,0), quarter turn, (3,1): at (10,2), (-1,0), (6,2).
struct Family {
    std::unique_ptr<SceneNode> parent{new SceneNode(Vector2(10, 0), quarterTurn, Vector2(2, 2))};
    SceneNode* child = new SceneNode(Vector2(1, 0), quarterTurn, Vector2(3, 1));
    Family() { parent->addChild(child); }
};

} // namespace

TEST(SceneNode, ChildComposesWithParentTransformUnlessItDoesNotInherit) {
    Family family;
    // Without inheriting, the position is still turned and scaled by the parent.
    family.child->setInheritOri(false);
    family.child->setInheritScl(false);
    expectNear(family.child->getWorldOrientation(), quarterTurn);
    expectNear(family.child->getWorldScale(), Vector2(3, 1));
    expectNear(family.child->getWorldPosition(), Vector2(10, 2));
    // Under an unevenly scaled parent the offset is scaled, then turned.
    SceneNode parent(Vector2(0, 0), quarterTurn, Vector2(2, 1));
    auto* child = new SceneNode(Vector2(1, 0));
    parent.addChild(child);
    expectNear(child->getWorldPosition(), Vector2(0, 2));
}

TEST(SceneNode, MovingParentInvalidatesWholeSubtree) {
    Family family;
    auto* grandchild = new SceneNode(Vector2(0, 1));
    family.child->addChild(grandchild);
    expectNear(grandchild->getWorldPosition(), Vector2(10, 0));
    const Vector2 before = transformed(grandchild->getWorldMatrix(), Vector2(0, 0));
    family.parent->setPosition(Vector2(5, 5));
    expectNear(grandchild->getWorldPosition(), Vector2(5, 5));
    expectNear(transformed(grandchild->getWorldMatrix(), Vector2(0, 0)), before + Vector2(-5, 5));
}

TEST(SceneNode, SettersLandOnTheValuesOfTheirSpace) {
    using N = SceneNode;
    const struct {
        void (N::*change)(const Vector2&, N::TransformSpace);
        N::TransformSpace space;
        Vector2 value;
        const Vector2& (N::*read)() const;
        Vector2 expected;
    } cases[] = {{&N::setPosition, N::World, {4, 6}, &N::getWorldPosition, {4, 6}},
                 {&N::setOrientation, N::World, {0, -1}, &N::getWorldOrientation, {0, -1}},
                 {&N::setScale, N::World, {1, 4}, &N::getWorldScale, {1, 4}},
                 {&N::translate, N::World, {1, 1}, &N::getWorldPosition, {11, 3}},
                 {&N::translate, N::Parent, {1, 0}, &N::getPosition, {2, 0}},
                 {&N::setPosition, N::Local, {1, 0}, &N::getPosition, {1, 3}},
                 {&N::translate, N::Local, {0, 1}, &N::getPosition, {0, 0}},
                 {&N::setOrientation, N::Local, {0, 1}, &N::getOrientation, {-1, 0}},
                 {&N::setScale, N::Local, {2, 2}, &N::getScale, {6, 2}}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(&entry - cases);
        Family family;
        (family.child->*entry.change)(entry.value, entry.space);
        expectNear((family.child->*entry.read)(), entry.expected);
    }
}

TEST(SceneNode, ZeroParentScaleKeepsWorldSettingFinite) {
    SceneNode parent(Vector2(0, 0), Vector2(1, 0), Vector2(0, 2));
    auto* child = new SceneNode(Vector2(3, 1));
    parent.addChild(child);
    child->setPosition(Vector2(7, 8), SceneNode::World);
    child->setScale(Vector2(5, 5), SceneNode::World);
    child->translate(Vector2(1, 1), SceneNode::World);
    expectNear(child->getPosition(), Vector2(3, 4.5));
    expectNear(child->getWorldPosition(), Vector2(0, 9));
}

TEST(SceneNode, AddChildRefusesParentedAndCyclicNodes) {
    SceneNode a, b;
    auto* c = new SceneNode();
    ASSERT_TRUE(a.addChild(c));
    EXPECT_FALSE(b.addChild(c));
    EXPECT_FALSE(c->addChild(&a)); // a has no parent, but is c's ancestor
    EXPECT_FALSE(a.addChild(&a));
}
