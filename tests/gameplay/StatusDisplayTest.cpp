#include "gameplay/Damageable.h"
#include "gameplay/PlayerHealthBar.h"
#include "gameplay/PlayerScore.h"
#include "gameplay/ScoreableEvent.h"
#include "gameplay/TimerDisplayUpdater.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/DynamicTextDisplay.h"
#include "presentation/FontManager.h"
#include "presentation/OccludedAnimatable.h"
#include "support/FontSupport.h"
#include "support/GlContext.h"
#include "support/RecordingListener.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

SceneNode* addTo(SceneManager& scene, const std::string& name, std::vector<Component*> parts) {
    SceneNode* node = Entity::create(name, parts);
    scene.addNode(node);
    return node;
}

// Red up to a quarter, yellow to a half, then green; huge totals must not overflow the colour.
TEST(PlayerHealthBar, ColourAndFillFollowThePlayersHitPoints) {
    const std::tuple<int, int, const char*, double> rows[] = {{40, 10, "Red", 0.25},
                                                              {40, 11, "Yellow", 0.275},
                                                              {40, 20, "Yellow", 0.5},
                                                              {40, 21, "Green", 0.525},
                                                              {0, 0, "Red", 0.0},
                                                              {INT_MAX, INT_MAX, "Green", 1.0},
                                                              {INT_MAX, INT_MAX / 4, "Red", 0.25}};
    for (const auto& [total, hp, colour, occlusion] : rows) {
        SceneManager scene;
        auto* fill = new OccludedAnimatable();
        RecordingListener told(EventType::AnimationAction);
        SceneNode* bar = Entity::create("Bar", {new PlayerHealthBar("Player"), fill});
        bar->getEntity()->addListener(&told);
        scene.addNode(bar);
        auto* health = new Damageable(total);
        addTo(scene, "Player", {health});
        health->setHP(hp);
        scene.updateProcess(0.016);
        EXPECT_EQ(std::string("HealthBar-") + colour,
                  static_cast<const AnimationActionEvent&>(*told.heard.back()).getAnimationName())
            << hp << " of " << total;
        EXPECT_NEAR(occlusion, fill->getOcclusion(), 1e-9) << hp << " of " << total;
    }
}

TEST(TimerDisplayUpdater, ClockTextLeadsWithMinutesAndHoursOnlyOnceReached) {
    const std::pair<double, const char*> rows[] = {
        {7.254, "7.25"},        {59.999, "60.00"},      {60.0, "1:00.00"},       {65.5, "1:05.50"},
        {3599.999, "59:60.00"}, {3725.0, "1:02:05.00"}, {36000.5, "10:00:00.50"}};
    for (const auto& row : rows)
        EXPECT_EQ(row.second, TimerDisplayUpdater::clockText(row.first)) << row.first;
}

using StatusText = GlContextTest;

// Without a display the score is only kept; a clock moved within one tick keeps running.
TEST_F(StatusText, ScoreAndClockShowWhatChangedAndAnnounceOnlyRealScoreChanges) {
    textures();
    new FontManager(); // the VideoManager takes it down with the texture cache
    auto text = [] { return new DynamicTextDisplay(gameFontPath(), 20.0, 1.0); };
    SceneManager scene; // gone before the window
    auto* display = text();
    auto* score = new PlayerScore();
    Entity* player = addTo(scene, "Player", {score, display})->getEntity();
    auto* silent = new PlayerScore();
    addTo(scene, "Silent", {silent});
    RecordingListener toPlayer(EventType::Scoreable), toScene(EventType::Scoreable);
    player->addListener(&toPlayer);
    scene.addListener(&toScene);
    for (PlayerScore* changed : {score, score, silent})
        changed->setScore(-1500);
    EXPECT_EQ("-1500", display->getText());
    EXPECT_EQ(-1500, silent->getScore());
    ASSERT_EQ(1u, toPlayer.heard.size());
    ASSERT_EQ(1u, toScene.heard.size());
    EXPECT_EQ("Player", static_cast<const ScoreableEvent&>(*toScene.heard[0]).getEntityName());

    auto* clockText = text();
    SceneNode* clock = addTo(scene, "Clock", {new TimerDisplayUpdater(), clockText});
    for (int tick = 0; tick < 63; ++tick)
        scene.updateProcess(0.016);
    EXPECT_EQ("1.01", clockText->getText());
    scene.removeNode(clock);
    scene.addNode(clock);
    scene.updateProcess(0.016);
    scene.updateProcess(0.016);
    EXPECT_EQ("1.04", clockText->getText());
}

} // namespace
