#include "gameplay/CombatScene.h"
#include "gameplay/CountableObject.h"
#include "gameplay/DamagedBy.h"
#include "gameplay/EntityRemovalTrigger.h"
#include "gameplay/ExplodeWhenHealthZero.h"
#include "gameplay/HealthTrigger.h"
#include "gameplay/KillWhenLeavingArea.h"
#include "gameplay/MultiTrigger.h"
#include "gameplay/MultiTriggerActionEvent.h"
#include "gameplay/ObjectRemovalCounter.h"
#include "gameplay/PlayerScore.h"
#include "gameplay/PlayingArea.h"
#include "gameplay/ScoreTrigger.h"
#include "gameplay/Scoreable.h"
#include "gameplay/ScoreableEvent.h"
#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

typedef std::vector<std::string> Labels;

// Scoring.xml: "RaiderAlone" (3 hit points, 250 points to "Player", an "Enemy", killed leaving
// "Field"); scripts Stage75, Stage50, Stage25, Reached send ProbeEvents 75, 50, 25, "reached".
class Trigger : public CombatScene {
protected:
    void SetUp() override {
        CombatScene::SetUp();
        registerTypes(*components, Damageable(), DamagedBy(), ExplodeWhenHealthZero(),
                      KillWhenLeavingArea(), Scoreable(), CountableObject());
        loadDataFile("./Scoring.xml");
        scene->addListener(&scripts);
    }

    RecordingListener scripts{ProbeEvent::code};
};

// Only its own entity's score counts; a copy starts unfired.
TEST_F(Trigger, ScoreTriggerFiresOnceOnItsEntityReachingTheThreshold) {
    Component* trigger =
        ScoreTrigger().createNew(paramList("score=1000 entity=Player script=Reached"));
    add("Judge", Vector2(), {trigger});
    const std::tuple<int, const char*, std::size_t> steps[] = {
        {1500, "Other", 0}, {999, "Player", 0}, {1000, "Player", 1}, {2000, "Player", 1}};
    for (const auto& [score, holder, runs] : steps) {
        scene->sendEvent(EventPtr(new ScoreableEvent(score, holder)));
        tick();
        EXPECT_EQ(runs, labels(scripts).size()) << score << " " << holder;
    }
    add("Copy", Vector2(), {trigger->clone()});
    scene->sendEvent(EventPtr(new ScoreableEvent(3000, "Player")));
    tick();
    EXPECT_EQ(Labels({"reached", "reached"}), labels(scripts));
}

// A fall across thresholds runs only the lowest and uses up the rest; ties go to the lower stage.
TEST_F(Trigger, HealthTriggerRunsTheLowestStageEachFallCrosses) {
    const std::pair<const char*, Labels> rows[] = {
        {"script0=Stage75 damage0=75 script1=Stage50 damage1=50 script2=Stage25 damage2=25",
         {"75", "25"}},
        {"script0=Stage75 damage0=75 script2=Stage25 damage2=25", {"75"}},
        {"script0=Stage25 damage0=25 script1=Stage50 damage1=75 script2=Stage75 damage2=75",
         {"50", "25"}}};
    for (const auto& row : rows) {
        scripts.heard.clear();
        auto* health = new Damageable(100);
        Entity* hull =
            add("Hull", Vector2(), {health, HealthTrigger().createNew(paramList(row.first))});
        for (int hp : {60, 10, 5}) {
            health->setHP(hp);
            tick(2);
        }
        EXPECT_EQ(row.second, labels(scripts));
        hull->kill();
        tick();
    }
}

TEST_F(Trigger, MultiTriggerFiresOnTheNthEventOnly) {
    const std::pair<const char*, std::vector<std::size_t>> rows[] = {
        {"3", {0, 0, 1, 1}}, {"0", {0, 0}}, {"1", {1, 1}}};
    for (const auto& row : rows) {
        scripts.heard.clear();
        Entity* gate = add("Gate", Vector2(),
                           {MultiTrigger().createNew(
                               paramList(std::string("script=Reached number=") + row.first))});
        std::vector<std::size_t> runs;
        for (std::size_t event = 0; event < row.second.size(); ++event) {
            gate->sendEvent(EventPtr(new MultiTriggerActionEvent()));
            tick();
            runs.push_back(labels(scripts).size());
        }
        EXPECT_EQ(row.second, runs) << row.first;
        gate->kill();
        tick();
    }
}

// Leaving and coming back is a departure too; taking the trigger off the entity is not.
TEST_F(Trigger, EntityRemovalTriggerRunsWhenItsEntityLeavesNotWhenItIsTakenOff) {
    for (bool takenOff : {false, true}) {
        scripts.heard.clear();
        Component* trigger = EntityRemovalTrigger().createNew(paramList("script=Reached"));
        SceneNode* node = add("Doomed", Vector2(), {trigger})->getNode();
        scene->removeNode(node);
        scene->addNode(node);
        if (takenOff)
            scene->removeComponent(trigger);
        node->getEntity()->kill();
        tick(2);
        EXPECT_EQ(takenOff ? 1u : 2u, labels(scripts).size()) << takenOff;
    }
}

// The award and the count stop at the top of their range rather than wrapping.
TEST_F(Trigger, ShotDownRaiderScoresAndCountsWhileOneThatFliesOffForfeitsBoth) {
    auto* score = new PlayerScore();
    score->setScore(INT_MAX - 100);
    add("Player", Vector2(), {score});
    auto* enemies = new ObjectRemovalCounter("Enemy");
    add("Level", Vector2(), {enemies});
    auto* full = new ObjectRemovalCounter("Enemy", INT_MAX);
    add("Full", Vector2(), {full});
    add("Field", Vector2(), {new PlayingArea(AxisAlignedBox({0, 0}, {100, 100}))});
    auto place = [this](const char* name, const Vector2& at) {
        SceneTemplatePtr made = sceneTemplates->getTemplate(name, "");
        made->load();
        return made->instantiateInScene(scene.get(), at, Vector2(1, 0), Vector2(1, 1));
    };
    place("RaiderAlone", Vector2(50, 50));
    place("ShellShot", Vector2(52, 50));
    place("RaiderAlone", Vector2(99, 20))
        ->getEntity()
        ->getComponent<Movable>(Movable::typeName())
        ->setVelocity({125, 0});
    tick(3);
    for (Entity* entity : scene->getEntities())
        EXPECT_EQ(nullptr, entity->getComponent(Scoreable::typeName())) << "a raider stayed";
    EXPECT_EQ(INT_MAX, score->getScore());
    EXPECT_EQ(1, enemies->getCount());
    EXPECT_EQ(INT_MAX, full->getCount());
}

} // namespace
