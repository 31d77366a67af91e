#include "gameplay/PlayingArea.h"
#include "gameplay/KillWhenLeavingArea.h"
#include "gameplay/PreventFromLeavingArea.h"
#include "gameplay/RemovalReward.h"
#include "gameplay/ScreenWrapper.h"
#include "physics/StaticCollidable.h"
#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

namespace {

// Stands in for the score of an entity, under the name the killer looks for.
class ScoreProbe : public ProbeComponent, public RemovalReward {
public:
    explicit ScoreProbe(int& forfeits) : forfeits(forfeits) {}
    const std::string& getType() const override {
        static const std::string type = "Scoreable";
        return type;
    }
    void forfeit() override { ++forfeits; }
    int& forfeits;
};

StaticCollidable* box(double half) {
    return new StaticCollidable(AxisAlignedBox({-half, -half}, {half, half}));
}

// An 800 x 600 area "Field" at (100, 0) spans (100,0)..(900,600); the ship is a 1 x 1 box.
class AreaScene : public ShipScene {
public:
    explicit AreaScene(std::vector<Component*> shipParts, bool areaFirst = true)
        : ShipScene((shipParts.push_back(box(0.5)), shipParts)) {
        if (areaFirst)
            addArea();
    }
    void addArea() {
        areaNode = add("Field", {100, 0}, {new PlayingArea(AxisAlignedBox({0, 0}, {800, 600}))});
    }
    void fly(const Vector2& from, const Vector2& velocity) {
        node()->setPosition(from);
        movable()->setVelocity(velocity);
        tick();
    }
    SceneNode* areaNode = nullptr;
};

} // namespace

// Every other case runs on an area taken out and added again, which must keep four lines.
TEST(PlayingArea, CrossingsTellSideAndDirectionOnceToShipThenAreaThenScene) {
    const struct {
        Vector2 from, velocity;
        AreaSide side;
        std::uint32_t left;
    } cases[] = {{{899, 300}, {125, 0}, Right, 1}, {{901, 300}, {-125, 0}, Right, 0},
                 {{101, 300}, {-125, 0}, Left, 1}, {{500, 599}, {0, 125}, Top, 1},
                 {{500, 1}, {0, -125}, Bottom, 1}, {{500, -1}, {0, 125}, Bottom, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        AreaScene world({});
        if ((&c - cases) % 2) {
            ASSERT_TRUE(world.scene.removeNode(world.areaNode));
            EXPECT_TRUE(world.areaNode->getChildren().empty());
            ASSERT_TRUE(world.scene.addNode(world.areaNode));
            EXPECT_EQ(4u, world.areaNode->getChildren().size());
        }
        std::vector<std::string> order;
        RecordingListener ship(EventType::PlayingArea, &order, "ship");
        RecordingListener area(EventType::PlayingArea, &order, "area");
        RecordingListener scene(EventType::PlayingArea, &order, "scene");
        world.ship()->addListener(&ship);
        world.areaNode->getEntity()->addListener(&area);
        world.scene.addListener(&scene);
        world.fly(c.from, c.velocity);
        ASSERT_EQ((std::vector<std::string>{"ship", "area", "scene"}), order);
        auto& event = static_cast<const PlayingAreaEvent&>(*ship.heard[0]);
        EXPECT_EQ(c.side, event.getSide());
        EXPECT_EQ(c.left, event.getLeft());
        EXPECT_EQ(world.ship(), event.getEntity());
    }
}

// Prevent puts the ship back on the border it crossed; kill forfeits it leaving its own area.
TEST(PlayingArea, PreventPutsTheShipBackAndKillRemovesItForNothing) {
    const std::pair<Vector2, Vector2> cases[] = {{{101, 300}, {100, 300}},
                                                 {{899, 300}, {900, 300}},
                                                 {{500, 599}, {500, 600}},
                                                 {{500, 1}, {500, 0}}};
    int forfeits = 0;
    for (const auto& c : cases) {
        AreaScene world({new PreventFromLeavingArea("Field"), new KillWhenLeavingArea("Elsewhere"),
                         new ScoreProbe(forfeits)});
        const Vector2 outwards = (c.second - c.first) * 125.0;
        world.fly(c.first, outwards);
        world.tick();
        EXPECT_EQ(c.second, world.node()->getWorldPosition()) << c.first;
        EXPECT_EQ(outwards, world.movable()->getVelocity());
        EXPECT_NE(nullptr, world.scene.findEntity("Ship"));
    }
    AreaScene world({new KillWhenLeavingArea("Field"), new ScoreProbe(forfeits)});
    world.fly({899, 300}, {125, 0});
    world.tick(); // the scene collects the dead at its next update
    EXPECT_EQ(nullptr, world.scene.findEntity("Ship"));
    EXPECT_EQ(1, forfeits);
}

// From 899.8 the 1-wide box sticks out of the area and has never been inside.
TEST(ScreenWrapper, WrapsFromJustPastOneEdgeToJustInsideTheOtherOnlyWhenWhollyInside) {
    const struct {
        Vector2 from, velocity, expected;
    } cases[] = {{{899, 300}, {125, 0}, {101, 300}},
                 {{101, 300}, {-125, 0}, {899, 300}},
                 {{500, 1}, {0, -125}, {500, 599}},
                 {{899.8, 300}, {125, 0}, {901.8, 300}}};
    for (const auto& c : cases) {
        AreaScene world({new ScreenWrapper("Field")}, false); // the area arrives after it
        world.node()->setPosition(c.from);
        world.addArea();
        world.fly(c.from, c.velocity);
        EXPECT_NEAR(0, (c.expected - world.node()->getWorldPosition()).length(), 1e-9) << c.from;
    }
}

// Others leaving keep the inside check; a returning area still wraps; without one, inactive.
TEST(ScreenWrapper, InsideCheckSurvivesOtherLeaversAndTheAreaComingBack) {
    AreaScene world({new ScreenWrapper("Field")}, false);
    world.node()->setPosition({899.8, 300}); // sticks out: the check keeps running
    world.addArea();
    auto* wrapper = world.ship()->getComponent<ScreenWrapper>(ScreenWrapper::typeName());
    world.add("Other", {101, 300}, {box(0.5), new Movable(1.0, {-125, 0})});
    world.tick();
    ASSERT_FALSE(wrapper->isInArea());
    world.node()->setPosition({850, 300});
    world.tick();
    EXPECT_TRUE(wrapper->isInArea());
    AxisAlignedBox area;
    ASSERT_TRUE(wrapper->activeWrapArea(area));
    EXPECT_EQ(Vector2(900, 600), area.max);

    world.node()->setPosition({899.8, 300}); // now straddling the border
    world.scene.removeNode(world.areaNode);
    world.scene.addNode(world.areaNode);
    world.fly({899.8, 300}, {125, 0});
    EXPECT_NEAR(101.8, world.node()->getWorldPosition().x, 1e-9);

    world.scene.removeNode(world.areaNode);
    delete world.areaNode;
    world.tick();
    EXPECT_FALSE(wrapper->activeWrapArea(area));
}
