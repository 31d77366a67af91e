#include "core/PlayerActionConnectionEvent.h"

#include "core/ParamList.h"

PlayerActionConnectionEvent::PlayerActionConnectionEvent()
    : FactoryEvent(EventType::PlayerActionConnection, 0.0) {}

PlayerActionConnectionEvent::PlayerActionConnectionEvent(bool connected, double time)
    : FactoryEvent(EventType::PlayerActionConnection, time), connected(connected) {}

const std::string& PlayerActionConnectionEvent::getType() const {
    static const std::string type = "PlayerActionConnection";
    return type;
}

FactoryEvent* PlayerActionConnectionEvent::createNew(const ParamList& params) const {
    bool newConnected = false;
    params.getRequired("connected", newConnected, getType());
    return new PlayerActionConnectionEvent(newConnected, timeFrom(params));
}

FactoryEvent* PlayerActionConnectionEvent::clone(double time) const {
    auto* copy = new PlayerActionConnectionEvent(*this);
    copy->setTime(time);
    return copy;
}
