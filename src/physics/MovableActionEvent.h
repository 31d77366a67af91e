#pragma once

#include "core/FactoryEvent.h"
#include "core/Vector2.h"

#include <iosfwd>

// Changes the movable of the entity it is sent to (see Movable::ActionListener).
class MovableActionEvent : public FactoryEvent {
public:
    enum Action {
        SetVelocity = 0,
        AddVelocity = 1,
        ScaleVelocity = 2,
        RotateVelocity = 3,
        SetRotationalVelocity = 4,
        ScaleRotationalVelocity = 5,
        SetMass = 6,
    };

    MovableActionEvent(Action action = SetVelocity, const Vector2& vector = Vector2(),
                       double real = 0.0, double time = 0.0)
        : FactoryEvent(EventType::MovableAction, time), action(action), vector(vector), real(real) {
    }

    const std::string& getType() const override;
    // "action" is required; "vector", "real" and "time" are optional.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    Action getAction() const { return action; }
    const Vector2& getVector() const { return vector; }
    double getReal() const { return real; }

private:
    Action action;
    Vector2 vector;
    double real;
};

typedef boost::shared_ptr<MovableActionEvent> MovableActionEventPtr;

// Reads one of the seven action names, compared exactly; any other word fails the stream.
std::istream& operator>>(std::istream& in, MovableActionEvent::Action& action);
