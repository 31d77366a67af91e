#pragma once

#include "core/FactoryEvent.h"

#include <boost/shared_ptr.hpp>

// Connects the ship's PlayerAction to the keyboard and mouse, or disconnects it (cut scenes).
// Registered as "PlayerActionConnection".
class PlayerActionConnectionEvent : public FactoryEvent {
public:
    PlayerActionConnectionEvent();
    explicit PlayerActionConnectionEvent(bool connected, double time = 0.0);

    const std::string& getType() const override;
    // Needs "connected"; "time" is optional.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    bool isConnected() const { return connected; }

private:
    bool connected = false;
};

typedef boost::shared_ptr<PlayerActionConnectionEvent> PlayerActionConnectionEventPtr;
