#include "support/RecordingListener.h"
#include "support/SdlEventQueue.h"

#include "core/InputManager.h"
#include "core/PlayerActionConnectionEvent.h"
#include "core/PlayerActionEvent.h"
#include "world/Entity.h"
#include "world/PlayerAction.h"
#include "world/SceneNode.h"

#include <memory>

namespace {

using A = PlayerActionType;
using Heard = std::vector<std::string>;

// A ship entity with a PlayerAction and a listener standing in for its controllers.
class PlayerActionTest : public SdlEventQueue {
protected:
    void makeShip(bool connected, const std::string& scheme) {
        action = new PlayerAction(connected, scheme);
        ship.reset(Entity::create("ship", {action}));
        ship->getEntity()->addListener(&controller);
    }
    // Each heard event as "Action+" or "Action-", with its position when not (0, 0).
    Heard heard() {
        Heard lines;
        for (const EventPtr& event : controller.heard) {
            auto& heard = static_cast<PlayerActionEvent&>(*event);
            lines.push_back(playerActionName(heard.getAction()) + (heard.isActive() ? "+" : "-"));
            if (heard.getX() || heard.getY())
                lines.back() +=
                    " " + std::to_string(heard.getX()) + "," + std::to_string(heard.getY());
        }
        controller.heard.clear();
        return lines;
    }
    void script(Event* event) { ship->getEntity()->sendEvent(EventPtr(event)); }

    InputManager input;
    std::unique_ptr<SceneNode> ship;
    PlayerAction* action = nullptr;
    RecordingListener controller{EventType::PlayerAction};
};

} // namespace

TEST_F(PlayerActionTest, KeysOfOneActionShareOneStateAndButtonsCarryThePointer) {
    makeShip(true, "Static");
    pushKey(SDLK_s, true);
    pushKey(SDLK_s, true); // a stray repeat must not start it again
    pushKey(SDLK_SPACE, true);
    pushKey(SDLK_s, false);
    pushKey(SDLK_SPACE, false);
    pushButton(SDL_BUTTON_RIGHT, true, 100, 50); // buttons carry the pointer's position
    pushButton(SDL_BUTTON_LEFT, true, 3, 4);
    input.poll();
    EXPECT_EQ(heard(), (Heard{"Brake+", "Brake-", "Shoot+ 100,50", "Ping+ 3,4"}));
}

TEST_F(PlayerActionTest, EachSchemeBindsItsKeysAndNamesAreExact) {
    const SDLKey keys[] = {SDLK_w, SDLK_d, SDLK_a,      SDLK_s,     SDLK_SPACE,
                           SDLK_q, SDLK_e, SDLK_LSHIFT, SDLK_LCTRL, SDLK_x};
    const std::pair<const char*, Heard> schemes[] = {
        {"Static",
         {"Thrust", "TurnRight", "TurnLeft", "Brake", "Brake", "StepLeft", "StepRight", "Shield",
          "Shoot", ""}},
        {"Scrolling",
         {"TurnLeft", "Thrust", "Brake", "TurnRight", "Brake", "StepLeft", "StepRight", "Shield",
          "Shoot", ""}},
        {"static", Heard(10, "")}};
    for (const auto& [scheme, names] : schemes) {
        makeShip(true, scheme);
        for (int index = 0; index < 10; ++index) {
            pushKey(keys[index], true);
            pushKey(keys[index], false);
            input.poll();
            const std::string& name = names[index];
            EXPECT_EQ(heard(), name.empty() ? Heard{} : (Heard{name + "+", name + "-"}))
                << scheme << " key " << keys[index];
        }
    }
}

TEST_F(PlayerActionTest, ScriptsDriveADisconnectedShipAndConnectionKeepsActiveActions) {
    makeShip(false, "Static");
    script(new PlayerActionEvent(A::Shoot, true)); // reaches the controllers once, no echo
    script(new PlayerActionConnectionEvent(true));
    pushKey(SDLK_LSHIFT, true);
    input.poll();
    script(new PlayerActionConnectionEvent(false));
    script(new PlayerActionConnectionEvent(false));
    pushKey(SDLK_LSHIFT, false);
    input.poll();
    EXPECT_TRUE(action->isActive(A::Shield));
    EXPECT_EQ(heard(), (Heard{"Shoot+", "Shield+"}));
    EXPECT_EQ(input.listenerCount(EventType::Key), 0u);
}
