#include "gameplay/CombatScene.h"
#include "gameplay/DamageableActionEvent.h"
#include "gameplay/DamagedBy.h"
#include "gameplay/ExplodeOnCollision.h"
#include "gameplay/ExplodeWhenHealthZero.h"
#include "support/FontSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

typedef CombatScene Damage;

// A change is reported (queued on the entity) only when the points really move.
TEST_F(Damage, HitPointActionsStayWithinRangeWhateverTheOperand) {
    typedef DamageableActionEvent A;
    const struct {
        int total, start;
        A::Action action;
        int hp;
        double real;
        int expected;
    } rows[] = {{10, 10, A::ChangeHP, -15, 0, 0},
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
                {10, 7, A::ScaleHP, 0, nan, 7}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.total << " " << row.start << " " << row.real);
        auto* damageable = new Damageable(row.total);
        Entity* entity = add("Hull", Vector2(), {damageable});
        damageable->setHP(row.start);
        const std::size_t queued = entity->queuedEventCount();
        entity->sendEvent(EventPtr(new A(row.action, row.hp, row.real)));
        EXPECT_EQ(damageable->getHP(), row.expected);
        EXPECT_EQ(entity->queuedEventCount() - queued, row.expected != row.start ? 1u : 0u);
        entity->kill();
        tick();
    }
}

// Damage times factor, truncated and bounded; only a hit that did damage starts the recovery.
TEST_F(Damage, ContactDamageIsWeighedTruncatedAndBounded) {
    const struct {
        int damage;
        double factor;
        int start, expected;
    } rows[] = {{3, 1.5, 10, 6},         {3, -1.0, 7, 10},         {3, 0.0, 10, 10},
                {INT_MAX, 1e290, 10, 0}, {INT_MAX, 1e300, 10, 10}, {3, inf, 10, 10},
                {3, -inf, 7, 7},         {INT_MIN, 1e290, 7, 10}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.damage << " x " << row.factor);
        DamagedBy* hurt = DamagedBy::fromParams(paramList("recoveryTime=1.0"));
        hurt->setFactor(DamageType::Bullet, row.factor);
        auto* damageable = new Damageable(10);
        add("Target", Vector2(), {damageable, hurt}, 5.0);
        damageable->setHP(row.start);
        add("Shell", Vector2(1, 0), {new DamageInflicter(DamageType::Bullet, row.damage)}, 1.0);
        tick();
        EXPECT_EQ(damageable->getHP(), row.expected);
        EXPECT_EQ(hurt->isRecovering(), row.expected < row.start);
        for (Entity* entity : scene->getEntities())
            entity->kill();
        tick();
    }
}

// However many reasons to explode arrive together, there is one blast and one round of damage.
TEST_F(Damage, AnEntityExplodesOnce) {
    enum Trigger { TwoHitsToZero, TwoCollisions, TimerAndZeroHealth };
    const ParamList blast = paramList("explosion=Blast");
    const ParamList hurtBy = paramList("collision=1 explosion=1");
    for (Trigger trigger : {TwoHitsToZero, TwoCollisions, TimerAndZeroHealth}) {
        SCOPED_TRACE(trigger);
        std::vector<Component*> parts =
            trigger == TwoCollisions
                ? std::vector<Component*>{ExplodeOnCollision::fromParams(blast)}
                : std::vector<Component*>{ExplodeWhenHealthZero::fromParams(blast),
                                          new Damageable(1), DamagedBy::fromParams(hurtBy)};
        if (trigger == TimerAndZeroHealth)
            parts.push_back(new ExplodeOnTimer(0.0, true));
        const std::string name = add("Mine", Vector2(), parts, 5.0)->getName();
        Entity* bystander =
            add("Bystander", Vector2(0, 20), {new Damageable(100), DamagedBy::fromParams(hurtBy)});
        add("Rock", Vector2(1, 0), {new DamageInflicter(DamageType::Collision, 5)}, 1.0);
        add("Rock", Vector2(-1, 0), {new DamageInflicter(DamageType::Collision, 5)}, 1.0);
        bystander->addComponent(new StaticCollidable(Circle(Vector2(), 1.0)));
        tick(4);
        EXPECT_EQ(scene->findEntity(name), nullptr);
        EXPECT_EQ(countDealing(DamageType::Explosion), 1);
        EXPECT_EQ(hpOf(bystander), 95);
        for (Entity* entity : scene->getEntities())
            entity->kill();
        tick();
    }
}

// A delay no timer can run is refused when made, so a template leaves the component out, logged.
TEST_F(Damage, ImpossibleDelaysAreRefusedWhenMade) {
    for (const char* row : {"time=-0.001", "rate=0", "rate=-2"}) {
        const char* type = row[0] == 't' ? "ExplodeOnTimer" : "FireBulletsOnTimer";
        EXPECT_EQ("Illegal value for timer.",
                  thrownMessage([&] { delete components->create(type, paramList(row)); }))
            << row;
    }
    EntityTemplatePtr fuse = entityTemplates->getTemplate("BadFuse", "");
    fuse->load();
    std::unique_ptr<Entity> entity(fuse->createEntity("", ParamList()));
    ASSERT_TRUE(entity);
    EXPECT_TRUE(entity->getComponents().empty());
    EXPECT_GT(countInLog("Illegal value for timer."), 0);
}

} // namespace
