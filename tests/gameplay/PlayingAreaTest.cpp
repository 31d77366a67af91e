#include "gameplay/PlayingArea.h"
#include "core/PlayerActionEvent.h" // ShipScene.h uses it without including it
#include "gameplay/KillWhenLeavingArea.h"
#include "gameplay/PreventFromLeavingArea.h"
#include "gameplay/RemovalReward.h"
#include "gameplay/ScreenWrapper.h"
#include "physics/StaticCollidable.h"
#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands in for the score of an entity, under the name the killer looks for.
class ScoreProbe : public ProbeComponent, public RemovalReward {
public:
    const std::string& getType() const override {
        static const std::string type = "Scoreable";
        return type;
    }
    explicit ScoreProbe(int& forfeits) : forfeits(forfeits) {}
    void forfeit() override { ++forfeits; }
    int& forfeits;
};

StaticCollidable* box(double half) {
    return new StaticCollidable(AxisAlignedBox({-half, -half}, {half, half}));
}

// An 800 x 600 area "Field" on an entity at (100, 0), so its world box is (100,0)..(900,600);
// the ship carries a collidable box of the given half size.
class AreaScene : public ShipScene {
public:
    AreaScene(std::vector<Component*> shipParts, double half = 0.5, bool areaFirst = true)
        : ShipScene(withBox(shipParts, half)) {
        if (areaFirst)
            addArea();
    }
    void addArea() {
        areaNode = Entity::create("Field", {new PlayingArea(AxisAlignedBox({0, 0}, {800, 600}))});
        areaNode->setPosition({100, 0});
        scene.addNode(areaNode);
    }
    PlayingArea* area() const {
        return areaNode->getEntity()->getComponent<PlayingArea>(PlayingArea::typeName());
    }
    // Puts the ship at the position with the velocity and runs one step.
    void fly(const Vector2& from, const Vector2& velocity) {
        node()->setPosition(from);
        movable()->setVelocity(velocity);
        tick();
    }

    SceneNode* areaNode = nullptr;

private:
    static std::vector<Component*> withBox(std::vector<Component*> parts, double half) {
        parts.push_back(box(half));
        return parts;
    }
};

} // namespace

TEST(PlayingArea, LinesSitOnTheWorldBordersOfAnAreaAwayFromTheOrigin) {
    AreaScene world({});
    const std::pair<AreaSide, Vector2> lines[] = {
        {Top, {900, 600}}, {Bottom, {100, 0}}, {Left, {100, 0}}, {Right, {900, 600}}};
    for (const auto& line : lines)
        EXPECT_EQ(line.second, world.area()->getLine(line.first)->getWorldPosition());
    EXPECT_EQ(Vector2(100, 0), world.area()->getWorldArea().min);
    EXPECT_EQ(Vector2(900, 600), world.area()->getWorldArea().max);
}

TEST(PlayingArea, CrossingsTellSideAndDirectionToShipThenAreaThenScene) {
    struct Case {
        Vector2 from, velocity;
        AreaSide side;
        std::uint32_t left;
    };
    const Case cases[] = {
        {{899, 300}, {125, 0}, Right, 1}, {{901, 300}, {-125, 0}, Right, 0},
        {{101, 300}, {-125, 0}, Left, 1}, {{500, 599}, {0, 125}, Top, 1},
        {{500, 1}, {0, -125}, Bottom, 1}, {{500, -1}, {0, 125}, Bottom, 0},
    };
    for (const Case& c : cases) {
        AreaScene world({});
        std::vector<std::string> order;
        RecordingListener ship(EventType::PlayingArea, &order, "ship");
        RecordingListener area(EventType::PlayingArea, &order, "area");
        RecordingListener scene(EventType::PlayingArea, &order, "scene");
        world.ship()->addListener(&ship);
        world.areaNode->getEntity()->addListener(&area);
        world.scene.addListener(&scene);
        world.fly(c.from, c.velocity);
        ASSERT_EQ((std::vector<std::string>{"ship", "area", "scene"}), order) << c.from;
        auto& event = static_cast<const PlayingAreaEvent&>(*ship.heard[0]);
        EXPECT_EQ(c.side, event.getSide()) << c.from;
        EXPECT_EQ(c.left, event.getLeft()) << c.from;
        EXPECT_EQ(world.ship(), event.getEntity());
    }
}

TEST(PlayingArea, RemovedAndAddedAgainItKeepsFourLinesAndReportsEachCrossingOnce) {
    AreaScene world({});
    ASSERT_TRUE(world.scene.removeNode(world.areaNode));
    EXPECT_TRUE(world.areaNode->getChildren().empty());
    ASSERT_TRUE(world.scene.addNode(world.areaNode));
    EXPECT_EQ(4u, world.areaNode->getChildren().size());
    RecordingListener heard(EventType::PlayingArea);
    world.ship()->addListener(&heard);
    world.fly({899, 300}, {125, 0});
    EXPECT_EQ(1u, heard.heard.size());
}

TEST(PlayingArea, PreventPutsTheShipBackOnTheBorderItCrossed) {
    const std::pair<Vector2, Vector2> cases[] = {// start, expected after one step out
                                                 {{101, 300}, {100, 300}},
                                                 {{899, 300}, {900, 300}},
                                                 {{500, 599}, {500, 600}},
                                                 {{500, 1}, {500, 0}}};
    for (const auto& c : cases) {
        AreaScene world({new PreventFromLeavingArea("Field")});
        const Vector2 outwards = (c.second - c.first) * 125.0;
        world.fly(c.first, outwards);
        EXPECT_EQ(c.second, world.node()->getWorldPosition()) << c.first;
        EXPECT_EQ(outwards, world.movable()->getVelocity());
    }
}

TEST(PlayingArea, KillRemovesTheShipForNothingOnlyWhenItLeavesItsOwnArea) {
    for (const char* areaName : {"Field", "Elsewhere"}) {
        int forfeits = 0;
        AreaScene world({new KillWhenLeavingArea(areaName), new ScoreProbe(forfeits)});
        Entity* ship = world.ship();
        world.fly({899, 300}, {125, 0});
        world.tick(); // the scene collects the dead at its next update
        const bool own = std::string(areaName) == "Field";
        EXPECT_EQ(own ? nullptr : ship, world.scene.findEntity("Ship")) << areaName;
        EXPECT_EQ(own ? 1 : 0, forfeits) << areaName;
    }
}

TEST(ScreenWrapper, WrapsFromJustPastOneEdgeToJustInsideTheOtherOnlyWhenWhollyInside) {
    struct Case {
        Vector2 from, velocity, expected;
    };
    // The ship's box is 1 wide: from 899.8 it sticks out of the area and has never been inside.
    const Case cases[] = {{{899, 300}, {125, 0}, {101, 300}},
                          {{101, 300}, {-125, 0}, {899, 300}},
                          {{500, 1}, {0, -125}, {500, 599}},
                          {{899.8, 300}, {125, 0}, {901.8, 300}}};
    for (const Case& c : cases) {
        // The wrapper waits for an area that arrives after it.
        AreaScene world({new ScreenWrapper("Field")}, 0.5, false);
        world.node()->setPosition(c.from);
        world.addArea();
        world.fly(c.from, c.velocity);
        EXPECT_NEAR(c.expected.x, world.node()->getWorldPosition().x, 1e-9) << c.from;
        EXPECT_NEAR(c.expected.y, world.node()->getWorldPosition().y, 1e-9) << c.from;
    }
}

TEST(ScreenWrapper, AnotherEntityLeavingDoesNotStopTheInsideCheck) {
    AreaScene world({new ScreenWrapper("Field")}, 0.5, false);
    world.node()->setPosition({899.8, 300}); // sticks out: the check keeps running
    world.addArea();
    auto* wrapper = world.ship()->getComponent<ScreenWrapper>(ScreenWrapper::typeName());
    SceneNode* other = Entity::create("Other", {box(0.5), new Movable(1.0, {-125, 0})});
    other->setPosition({101, 300});
    world.scene.addNode(other);
    world.tick();
    ASSERT_FALSE(wrapper->isInArea());
    world.node()->setPosition({850, 300});
    world.tick();
    EXPECT_TRUE(wrapper->isInArea());
    AxisAlignedBox area;
    ASSERT_TRUE(wrapper->activeWrapArea(area));
    EXPECT_EQ(Vector2(900, 600), area.max);

    // Without its area the wrapper is inactive and touches nothing of it.
    world.scene.removeNode(world.areaNode);
    delete world.areaNode;
    world.tick();
    EXPECT_FALSE(wrapper->activeWrapArea(area));
}

TEST(ScreenWrapper, AnAreaThatComesBackStillWrapsAnEntityThatWasInside) {
    AreaScene world({new ScreenWrapper("Field")}, 0.5, false);
    world.node()->setPosition({850, 300});
    world.addArea();
    world.node()->setPosition({899.8, 300}); // now straddling the border
    world.scene.removeNode(world.areaNode);
    world.scene.addNode(world.areaNode);
    world.fly({899.8, 300}, {125, 0});
    EXPECT_NEAR(101.8, world.node()->getWorldPosition().x, 1e-9);
}

TEST(PlayingArea, MissingRequiredParametersRaiseTheirOwnMessages) {
    const std::pair<Component*, std::string> cases[] = {
        {new PlayingArea(), "PlayingArea Could not find parameter 'area'"},
        {new PreventFromLeavingArea(), "Could not find parameter 'playingArea'"},
        {new KillWhenLeavingArea(), "Could not find parameter 'playingArea'"},
        {new ScreenWrapper(),
         "Error creating ScreenWrapper: Could not find parameter 'playingArea'"}};
    for (const auto& c : cases) {
        std::unique_ptr<Component> prototype(c.first);
        try {
            delete prototype->createNew(ParamList());
            ADD_FAILURE() << c.second;
        } catch (const myexception& error) {
            EXPECT_EQ(c.second, error.what());
        }
    }
}
