#pragma once

#include "core/FactoryEvent.h"
#include "core/PlayerActionType.h"

#include <boost/shared_ptr.hpp>

// A player action started (active) or stopped. Sent on the ship's entity by its PlayerAction
// component, or by scripts. x and y are the pointer position for mouse-button actions, else 0.
// Registered as "PlayerActionEvent".
class PlayerActionEvent : public FactoryEvent {
public:
    PlayerActionEvent();
    PlayerActionEvent(PlayerActionType action, bool active, int x = 0, int y = 0,
                      double time = 0.0);

    const std::string& getType() const override;
    // Needs "action" (an action name) and "active"; "time" is optional.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    PlayerActionType getAction() const { return action; }
    bool isActive() const { return active; }
    int getX() const { return x; }
    int getY() const { return y; }

private:
    PlayerActionType action = PlayerActionType::Thrust;
    bool active = false;
    int x = 0;
    int y = 0;
};

typedef boost::shared_ptr<PlayerActionEvent> PlayerActionEventPtr;
