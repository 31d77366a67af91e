#include "gameplay/CombatScene.h"
#include "gameplay/DamageableActionEvent.h"
#include "gameplay/DamagedBy.h"
#include "gameplay/ExplodeOnCollision.h"
#include "gameplay/ExplodeWhenHealthZero.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

typedef CombatScene Damage;

// A change is reported (queued on the entity) only when the points really move.
TEST_F(Damage, HitPointActionsStayWithinRangeWhateverTheOperand) {
    typedef DamageableActionEvent A;
    struct Row {
        int total, start;
        A::Action action;
        int hp;
        double real;
        int expected;
    };
    const Row rows[] = {
        {10, 10, A::ChangeHP, -15, 0, 0},
        {10, 0, A::ChangeHP, -5, 0, 0},
        {10, 10, A::ScaleHP, 0, 0.55, 5},
        {10, 3, A::RestoreHP, 0, 0, 10},
        {10, 3, A::SetHP, 12, 0, 10},
        {-5, 0, A::SetHP, 3, 0, 0},
        {INT_MAX, INT_MAX, A::ChangeHP, INT_MAX, 0, INT_MAX},
        {INT_MAX, 5, A::ChangeHP, INT_MIN, 0, 0},
        {INT_MAX, 2, A::ScaleHP, 0, 1e300, INT_MAX},
        {INT_MAX, 2, A::ScaleHP, 0, -1e300, 0},
        {10, 7, A::ScaleHP, 0, inf, 7},
        {10, 7, A::ScaleHP, 0, nan, 7},
    };
    for (const Row& row : rows) {
        auto* damageable = new Damageable(row.total);
        Entity* entity = add("Hull", Vector2(), {damageable});
        damageable->setHP(row.start);
        std::size_t queued = entity->queuedEventCount();
        entity->sendEvent(EventPtr(new A(row.action, row.hp, row.real)));
        EXPECT_EQ(damageable->getHP(), row.expected) << row.total << " " << row.start;
        EXPECT_EQ(entity->queuedEventCount() - queued, row.expected != row.start ? 1u : 0u);
        entity->kill();
        tick();
    }
}

// Damage is the inflicter's times the factor of its kind, truncated; a product beyond any double
// changes nothing, a huge finite one only empties (or fills) the hit points. Only a hit that did
// damage starts the recovery time.
TEST_F(Damage, ContactDamageIsWeighedTruncatedAndBounded) {
    struct Row {
        int damage;
        double factor;
        int start, expected;
    };
    const Row rows[] = {{3, 1.5, 10, 6},         {3, -1.0, 7, 10},         {3, 0.0, 10, 10},
                        {INT_MAX, 1e290, 10, 0}, {INT_MAX, 1e300, 10, 10}, {3, inf, 10, 10},
                        {3, -inf, 7, 7},         {INT_MIN, 1e290, 7, 10}};
    for (const Row& row : rows) {
        ParamList params;
        params.set("recoveryTime", "1.0");
        DamagedBy* hurt = DamagedBy::fromParams(params);
        hurt->setFactor(DamageType::Bullet, row.factor);
        auto* damageable = new Damageable(10);
        Entity* target = add("Target", Vector2(), {damageable, hurt}, 5.0);
        damageable->setHP(row.start);
        Entity* shell =
            add("Shell", Vector2(1, 0), {new DamageInflicter(DamageType::Bullet, row.damage)}, 1.0);
        tick();
        EXPECT_EQ(damageable->getHP(), row.expected) << row.damage << " x " << row.factor;
        EXPECT_EQ(hurt->isRecovering(), row.expected < row.start);
        target->kill();
        shell->kill();
        tick();
    }
}

TEST_F(Damage, RecoveryWindowBlocksHitsUntilItEnds) {
    auto* hurt = DamagedBy::fromParams([] {
        ParamList params;
        params.set("bullet", "1");
        params.set("recoveryTime", "1.0");
        return params;
    }());
    Entity* target = add("Target", Vector2(), {new Damageable(10), hurt}, 5.0);
    Entity* shell =
        add("Shell", Vector2(100, 0), {new DamageInflicter(DamageType::Bullet, 3)}, 1.0);
    auto strike = [&] {
        shell->getNode()->setPosition(Vector2(1, 0));
        tick();
        shell->getNode()->setPosition(Vector2(100, 0));
        tick();
    };
    strike();
    EXPECT_EQ(hpOf(target), 7);
    EXPECT_TRUE(hurt->isRecovering());
    tick(28);
    strike();
    EXPECT_EQ(hpOf(target), 7);
    tick(35);
    EXPECT_FALSE(hurt->isRecovering());
    strike();
    EXPECT_EQ(hpOf(target), 4);
}

TEST_F(Damage, ParentTakesTheDamageOnlyWhenThereIsOne) {
    ParamList params;
    params.set("collision", "1");
    params.set("damageParent", "true");
    Entity* orphan =
        add("Orphan", Vector2(), {new Damageable(10), DamagedBy::fromParams(params)}, 5);
    Entity* mother = add("Mother", Vector2(300, 0), {new Damageable(10)});
    SceneNode* child = Entity::create(
        "Child", {DamagedBy::fromParams(params), new StaticCollidable(Circle(Vector2(), 5))});
    mother->getNode()->addChild(child);
    add("Rock", Vector2(1, 0), {new DamageInflicter(DamageType::Collision, 4)}, 1.0);
    add("Rock", Vector2(301, 0), {new DamageInflicter(DamageType::Collision, 4)}, 1.0);
    tick();
    EXPECT_EQ(hpOf(orphan), 10);
    EXPECT_EQ(hpOf(mother), 6);
}

// However many reasons to explode arrive together, there is one blast, and so one round of
// explosion damage for whatever stands near.
TEST_F(Damage, AnEntityExplodesOnce) {
    enum Trigger { TwoHitsToZero, TwoCollisions, TimerAndZeroHealth };
    for (Trigger trigger : {TwoHitsToZero, TwoCollisions, TimerAndZeroHealth}) {
        ParamList blast;
        blast.set("explosion", "Blast");
        ParamList hurtBy;
        hurtBy.set("collision", "1");
        hurtBy.set("explosion", "1");
        std::vector<Component*> parts;
        if (trigger == TwoCollisions) {
            parts = {ExplodeOnCollision::fromParams(blast)};
        } else {
            parts = {ExplodeWhenHealthZero::fromParams(blast), new Damageable(1),
                     DamagedBy::fromParams(hurtBy)};
            if (trigger == TimerAndZeroHealth)
                parts.push_back(new ExplodeOnTimer(0.0, true));
        }
        Entity* mine = add("Mine", Vector2(), parts, 5.0);
        std::string name = mine->getName();
        Entity* bystander =
            add("Bystander", Vector2(0, 20), {new Damageable(100), DamagedBy::fromParams(hurtBy)});
        add("Rock", Vector2(1, 0), {new DamageInflicter(DamageType::Collision, 5)}, 1.0);
        add("Rock", Vector2(-1, 0), {new DamageInflicter(DamageType::Collision, 5)}, 1.0);
        bystander->addComponent(new StaticCollidable(Circle(Vector2(), 1.0)));
        tick(4);
        EXPECT_EQ(scene->findEntity(name), nullptr) << trigger;
        EXPECT_EQ(countDealing(DamageType::Explosion), 1) << trigger;
        EXPECT_EQ(hpOf(bystander), 95) << trigger;
        for (Entity* entity : scene->getEntities())
            entity->kill();
        tick();
    }
}

TEST_F(Damage, TimedExplosionCanTakeTheParentWithIt) {
    Entity* carrier = add("Carrier", Vector2(50, 0), {});
    ParamList blast;
    blast.set("explosion", "Blast");
    SceneNode* fuse = Entity::create(
        "Fuse", {new ExplodeOnTimer(0.05, true, true), ExplodeWhenHealthZero::fromParams(blast)});
    fuse->setPosition(Vector2(0, 10));
    carrier->getNode()->addChild(fuse);
    tick(3);
    EXPECT_NE(scene->findEntity("Carrier"), nullptr);
    tick(2);
    EXPECT_EQ(scene->findEntity("Carrier"), nullptr);
    EXPECT_EQ(scene->findEntity("Fuse"), nullptr);
    ASSERT_EQ(countDealing(DamageType::Explosion), 1);
    for (Entity* entity : scene->getEntities())
        EXPECT_EQ(entity->getNode()->getWorldPosition(), Vector2(50, 10));
}

// A delay that no timer can run is refused when the component is made, so a template leaves
// the component out with a logged message instead of failing when the countdown starts.
TEST_F(Damage, ImpossibleDelaysAreRefusedWhenMade) {
    const std::pair<const char*, const char*> rows[] = {{"ExplodeOnTimer", "-1"},
                                                        {"ExplodeOnTimer", "-0.001"},
                                                        {"FireBulletsOnTimer", "0"},
                                                        {"FireBulletsOnTimer", "-2"}};
    for (const auto& row : rows) {
        ParamList params;
        params.set(std::string(row.first) == "ExplodeOnTimer" ? "time" : "rate", row.second);
        try {
            delete components->create(row.first, params);
            ADD_FAILURE() << row.first << " " << row.second;
        } catch (const myexception& error) {
            EXPECT_STREQ(error.what(), "Illegal value for timer.");
        }
    }
    EntityTemplatePtr fuse = entityTemplates->getTemplate("BadFuse", "");
    fuse->load();
    std::unique_ptr<Entity> entity(fuse->createEntity("", ParamList()));
    ASSERT_TRUE(entity);
    EXPECT_TRUE(entity->getComponents().empty());
    EXPECT_GT(countInLog("Illegal value for timer."), 0);
}

} // namespace
