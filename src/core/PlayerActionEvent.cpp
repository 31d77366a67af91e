#include "core/PlayerActionEvent.h"

#include "core/ParamList.h"

PlayerActionEvent::PlayerActionEvent() : FactoryEvent(EventType::PlayerAction, 0.0) {}

PlayerActionEvent::PlayerActionEvent(PlayerActionType action, bool active, int x, int y,
                                     double time)
    : FactoryEvent(EventType::PlayerAction, time), action(action), active(active), x(x), y(y) {}

const std::string& PlayerActionEvent::getType() const {
    static const std::string type = "PlayerActionEvent";
    return type;
}

FactoryEvent* PlayerActionEvent::createNew(const ParamList& params) const {
    PlayerActionType newAction = PlayerActionType::Thrust;
    bool newActive = false;
    params.getRequired("action", newAction, getType());
    params.getRequired("active", newActive, getType());
    return new PlayerActionEvent(newAction, newActive, 0, 0, timeFrom(params));
}

FactoryEvent* PlayerActionEvent::clone(double time) const {
    auto* copy = new PlayerActionEvent(*this);
    copy->setTime(time);
    return copy;
}
