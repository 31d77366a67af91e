#include "world/PlayerAction.h"

#include "core/InputManager.h"
#include "core/ParamList.h"
#include "world/Entity.h"

#include <SDL/SDL_keysym.h>

#include <boost/pointer_cast.hpp>

void PlayerAction::ConnectedListener::handleEvent(const EventPtr& event) {
    auto connection = boost::dynamic_pointer_cast<PlayerActionConnectionEvent>(event);
    if (connection)
        owner.setConnected(connection->isConnected());
}

PlayerAction::PlayerAction(bool connect, const std::string& scheme)
    : connectedListener(std::make_unique<ConnectedListener>(*this)) {
    applyScheme(scheme);
    setConnected(connect);
}

PlayerAction::PlayerAction(const PlayerAction& other)
    : Component(other), KeyListener(), MouseListener(), PlayerActionListener(),
      keyBindings(other.keyBindings), buttonBindings(other.buttonBindings),
      connectedListener(std::make_unique<ConnectedListener>(*this)) {
    setConnected(other.connected);
}

PlayerAction::~PlayerAction() {
    setConnected(false);
}

const std::string& PlayerAction::getType() const {
    static const std::string type = "PlayerAction";
    return type;
}

Component* PlayerAction::createNew(const ParamList& params) const {
    bool connect = false;
    params.get("connected", connect);
    return new PlayerAction(connect, params.getText("scheme"));
}

Component* PlayerAction::clone() const {
    return new PlayerAction(*this);
}

void PlayerAction::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        oldEntity->removeListener(static_cast<PlayerActionListener*>(this));
        oldEntity->removeListener(connectedListener.get());
    }
    if (newEntity) {
        newEntity->addListener(static_cast<PlayerActionListener*>(this));
        newEntity->addListener(connectedListener.get());
    }
}

void PlayerAction::keyPressed(const KeyEventPtr& event) {
    auto bound = keyBindings.find(event->getKey());
    if (bound != keyBindings.end())
        change(bound->second, true, 0, 0);
}

void PlayerAction::keyReleased(const KeyEventPtr& event) {
    auto bound = keyBindings.find(event->getKey());
    if (bound != keyBindings.end())
        change(bound->second, false, 0, 0);
}

void PlayerAction::mouseButtonPressed(const MouseEventPtr& event) {
    auto bound = buttonBindings.find(event->getButton());
    if (bound != buttonBindings.end())
        change(bound->second, true, event->getX(), event->getY());
}

void PlayerAction::mouseButtonReleased(const MouseEventPtr& event) {
    auto bound = buttonBindings.find(event->getButton());
    if (bound != buttonBindings.end())
        change(bound->second, false, event->getX(), event->getY());
}

// Whoever sent it has told the controllers already; only the state follows.
void PlayerAction::actionStarted(const PlayerActionEventPtr& event) {
    actionStates[event->getAction()] = true;
}

void PlayerAction::actionStopped(const PlayerActionEventPtr& event) {
    actionStates[event->getAction()] = false;
}

void PlayerAction::clearBindings() {
    keyBindings.clear();
    buttonBindings.clear();
}

void PlayerAction::setConnected(bool connect) {
    if (connect == connected)
        return;
    connected = connect;
    InputManager* input = InputManager::getSingletonPtr();
    if (!input)
        return;
    if (connected) {
        input->addListener(static_cast<KeyListener*>(this));
        input->addListener(static_cast<MouseListener*>(this));
    } else {
        input->removeListener(static_cast<KeyListener*>(this));
        input->removeListener(static_cast<MouseListener*>(this));
    }
}

bool PlayerAction::isActive(PlayerActionType action) const {
    auto found = actionStates.find(action);
    return found != actionStates.end() && found->second;
}

void PlayerAction::applyScheme(const std::string& scheme) {
    clearBindings();
    using A = PlayerActionType;
    if (scheme == "Static") {
        keyBindings = {{SDLK_w, A::Thrust},    {SDLK_d, A::TurnRight},   {SDLK_a, A::TurnLeft},
                       {SDLK_s, A::Brake},     {SDLK_SPACE, A::Brake},   {SDLK_q, A::StepLeft},
                       {SDLK_e, A::StepRight}, {SDLK_LSHIFT, A::Shield}, {SDLK_LCTRL, A::Shoot}};
    } else if (scheme == "Scrolling") {
        keyBindings = {{SDLK_w, A::TurnLeft},  {SDLK_d, A::Thrust},      {SDLK_a, A::Brake},
                       {SDLK_s, A::TurnRight}, {SDLK_SPACE, A::Brake},   {SDLK_q, A::StepLeft},
                       {SDLK_e, A::StepRight}, {SDLK_LSHIFT, A::Shield}, {SDLK_LCTRL, A::Shoot}};
    } else {
        return;
    }
    buttonBindings = {{SDL_BUTTON_LEFT, A::Ping}, {SDL_BUTTON_RIGHT, A::Shoot}};
}

void PlayerAction::change(PlayerActionType action, bool active, int x, int y) {
    if (isActive(action) == active)
        return;
    actionStates[action] = active;
    if (Entity* owner = getEntity())
        owner->sendEvent(EventPtr(new PlayerActionEvent(action, active, x, y, 0.0)));
}
