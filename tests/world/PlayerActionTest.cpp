#include "support/RecordingListener.h"
#include "support/SdlEventQueue.h"

#include "core/InputManager.h"
#include "core/ParamList.h"
#include "core/PlayerActionConnectionEvent.h"
#include "core/PlayerActionEvent.h"
#include "core/myexception.h"
#include "world/Entity.h"
#include "world/PlayerAction.h"
#include "world/SceneNode.h"

#include <memory>

namespace {

using A = PlayerActionType;

// A ship entity with a PlayerAction and a listener standing in for its controllers.
class PlayerActionTest : public SdlEventQueue {
protected:
    InputManager input;
    std::unique_ptr<SceneNode> ship;
    PlayerAction* action = nullptr;
    RecordingListener controller{EventType::PlayerAction};

    void makeShip(bool connected, const std::string& scheme) {
        action = new PlayerAction(connected, scheme);
        ship.reset(Entity::create("ship", {action}));
        ship->getEntity()->addListener(&controller);
    }

    // Each heard event as "Action+" or "Action-" with its position when not (0, 0).
    std::vector<std::string> heard() {
        std::vector<std::string> lines;
        for (const EventPtr& event : controller.heard) {
            auto& actionEvent = static_cast<PlayerActionEvent&>(*event);
            std::string line =
                playerActionName(actionEvent.getAction()) + (actionEvent.isActive() ? "+" : "-");
            if (actionEvent.getX() || actionEvent.getY())
                line += " " + std::to_string(actionEvent.getX()) + "," +
                        std::to_string(actionEvent.getY());
            lines.push_back(line);
        }
        controller.heard.clear();
        return lines;
    }

    void tap(SDLKey key) {
        pushKey(key, true);
        pushKey(key, false);
        input.poll();
    }

    void script(EventPtr event) { ship->getEntity()->sendEvent(event); }
};

} // namespace

TEST_F(PlayerActionTest, HeldKeyStartsOnceAndStopsOnRelease) {
    makeShip(true, "Static");
    pushKey(SDLK_w, true);
    pushKey(SDLK_w, true); // a stray repeat must not start it again
    input.poll();
    EXPECT_TRUE(action->isActive(A::Thrust));
    pushKey(SDLK_w, false);
    input.poll();
    EXPECT_EQ(heard(), (std::vector<std::string>{"Thrust+", "Thrust-"}));
    EXPECT_FALSE(action->isActive(A::Thrust));
    // Two keys of one action share one state.
    pushKey(SDLK_s, true);
    pushKey(SDLK_SPACE, true);
    pushKey(SDLK_s, false);
    pushKey(SDLK_SPACE, false);
    input.poll();
    EXPECT_EQ(heard(), (std::vector<std::string>{"Brake+", "Brake-"}));
}

TEST_F(PlayerActionTest, EachSchemeBindsItsKeys) {
    const std::vector<std::pair<SDLKey, A>> staticKeys = {
        {SDLK_w, A::Thrust},    {SDLK_d, A::TurnRight},   {SDLK_a, A::TurnLeft},
        {SDLK_s, A::Brake},     {SDLK_SPACE, A::Brake},   {SDLK_q, A::StepLeft},
        {SDLK_e, A::StepRight}, {SDLK_LSHIFT, A::Shield}, {SDLK_LCTRL, A::Shoot}};
    const std::vector<std::pair<SDLKey, A>> scrollingKeys = {
        {SDLK_w, A::TurnLeft},  {SDLK_d, A::Thrust},      {SDLK_a, A::Brake},
        {SDLK_s, A::TurnRight}, {SDLK_SPACE, A::Brake},   {SDLK_q, A::StepLeft},
        {SDLK_e, A::StepRight}, {SDLK_LSHIFT, A::Shield}, {SDLK_LCTRL, A::Shoot}};
    for (const auto& [scheme, keys] :
         {std::make_pair("Static", staticKeys), std::make_pair("Scrolling", scrollingKeys)}) {
        makeShip(true, scheme);
        for (const auto& [key, expected] : keys) {
            tap(key);
            std::string name = playerActionName(expected);
            EXPECT_EQ(heard(), (std::vector<std::string>{name + "+", name + "-"}))
                << scheme << " key " << key;
        }
        tap(SDLK_x);
        EXPECT_TRUE(heard().empty()) << scheme;
    }
}

TEST_F(PlayerActionTest, MouseButtonsCarryThePointerPosition) {
    makeShip(true, "Scrolling");
    pushButton(SDL_BUTTON_RIGHT, true, 100, 50);
    pushMotion(110, 60, 10, 10);
    pushButton(SDL_BUTTON_MIDDLE, true, 110, 60);
    pushButton(SDL_BUTTON_RIGHT, false, 110, 60);
    pushButton(SDL_BUTTON_LEFT, true, 3, 4);
    input.poll();
    EXPECT_EQ(heard(), (std::vector<std::string>{"Shoot+ 100,50", "Shoot- 110,60", "Ping+ 3,4"}));
}

TEST_F(PlayerActionTest, UnknownSchemeBindsNothingButBindingsCanBeAdded) {
    makeShip(true, "static");
    EXPECT_TRUE(action->getKeyBindings().empty());
    EXPECT_TRUE(action->getButtonBindings().empty());
    action->bindButton(SDL_BUTTON_LEFT, A::Ping);
    pushButton(SDL_BUTTON_LEFT, true, 1, 2);
    pushKey(SDLK_w, true);
    input.poll();
    EXPECT_EQ(heard(), (std::vector<std::string>{"Ping+ 1,2"}));
}

TEST_F(PlayerActionTest, DisconnectedShipIgnoresKeysButScriptsStillDriveIt) {
    makeShip(false, "Static");
    EXPECT_EQ(input.listenerCount(EventType::Key), 0u);
    tap(SDLK_w);
    EXPECT_TRUE(heard().empty());
    script(EventPtr(new PlayerActionEvent(A::Shoot, true)));
    EXPECT_TRUE(action->isActive(A::Shoot));
    // The scripted event reached the controllers once; the component did not echo it.
    EXPECT_EQ(heard(), (std::vector<std::string>{"Shoot+"}));
}

TEST_F(PlayerActionTest, ConnectionEventsConnectAndDisconnectKeepingActiveActions) {
    makeShip(false, "Static");
    script(EventPtr(new PlayerActionConnectionEvent(true)));
    EXPECT_TRUE(action->isConnected());
    EXPECT_EQ(input.listenerCount(EventType::Key), 1u);
    EXPECT_EQ(input.listenerCount(EventType::Mouse), 1u);
    pushKey(SDLK_LSHIFT, true);
    input.poll();
    script(EventPtr(new PlayerActionConnectionEvent(false)));
    script(EventPtr(new PlayerActionConnectionEvent(false)));
    EXPECT_FALSE(action->isConnected());
    EXPECT_EQ(input.listenerCount(EventType::Key), 0u);
    EXPECT_TRUE(action->isActive(A::Shield));
    pushKey(SDLK_LSHIFT, false);
    input.poll();
    EXPECT_TRUE(action->isActive(A::Shield));
    EXPECT_EQ(heard(), (std::vector<std::string>{"Shield+"}));
}

TEST_F(PlayerActionTest, ComponentFollowsItsEntity) {
    makeShip(true, "Static");
    Entity* ship = this->ship->getEntity();
    ASSERT_TRUE(ship->removeComponent(action));
    std::unique_ptr<PlayerAction> detached(action);
    script(EventPtr(new PlayerActionEvent(A::Brake, true)));
    script(EventPtr(new PlayerActionConnectionEvent(false)));
    EXPECT_FALSE(detached->isActive(A::Brake));
    EXPECT_TRUE(detached->isConnected());
    // Detached, keys still change its state but announce nothing.
    tap(SDLK_w);
    EXPECT_EQ(heard(), (std::vector<std::string>{"Brake+"}));
    // Deleting a connected component leaves the input manager.
    detached.reset();
    EXPECT_EQ(input.listenerCount(EventType::Key), 0u);
    tap(SDLK_w);
}

TEST_F(PlayerActionTest, CreatedFromParametersAndCloned) {
    ParamList params;
    params.set("connected", "true");
    params.set("scheme", "Scrolling");
    std::unique_ptr<Component> made(PlayerAction().createNew(params));
    auto& created = static_cast<PlayerAction&>(*made);
    EXPECT_TRUE(created.isConnected());
    EXPECT_EQ(created.getKeyBindings().at(SDLK_d), A::Thrust);
    EXPECT_EQ(created.getButtonBindings().at(SDL_BUTTON_RIGHT), A::Shoot);
    std::unique_ptr<Component> copy(created.clone());
    EXPECT_EQ(static_cast<PlayerAction&>(*copy).getKeyBindings(), created.getKeyBindings());
    EXPECT_EQ(input.listenerCount(EventType::Key), 2u);
}

TEST(PlayerActionEvent, ReadsActionNamesExactly) {
    ParamList params;
    params.set("action", "TurnLeft");
    params.set("active", "true");
    params.set("time", "0.5");
    std::unique_ptr<FactoryEvent> made(PlayerActionEvent().createNew(params));
    auto& event = static_cast<PlayerActionEvent&>(*made);
    EXPECT_EQ(event.getAction(), A::TurnLeft);
    EXPECT_TRUE(event.isActive());
    EXPECT_DOUBLE_EQ(event.getTime(), 0.5);
    EXPECT_DOUBLE_EQ(std::unique_ptr<FactoryEvent>(event.clone(3.0))->getTime(), 3.0);

    params.set("action", "turnleft");
    EXPECT_THROW(delete PlayerActionEvent().createNew(params), myexception);
    ParamList missing;
    missing.set("action", "Shoot");
    try {
        delete PlayerActionEvent().createNew(missing);
        ADD_FAILURE() << "missing active accepted";
    } catch (const myexception& error) {
        EXPECT_EQ(std::string(error.what()), "PlayerActionEvent Could not find parameter 'active'");
    }
}

TEST(PlayerActionConnectionEvent, NeedsConnected) {
    ParamList params;
    params.set("connected", "true");
    std::unique_ptr<FactoryEvent> made(PlayerActionConnectionEvent().createNew(params));
    EXPECT_TRUE(static_cast<PlayerActionConnectionEvent&>(*made).isConnected());
    EXPECT_THROW(delete PlayerActionConnectionEvent().createNew(ParamList()), myexception);
}
