#include "physics/MovableActionEvent.h"

#include "core/ParamList.h"

#include <istream>

namespace {
const char* const actionNames[] = {
    "SetVelocity",    "AddVelocity",           "ScaleVelocity",
    "RotateVelocity", "SetRotationalVelocity", "ScaleRotationalVelocity",
    "SetMass"};
}

const std::string& MovableActionEvent::getType() const {
    static const std::string type = "MovableAction";
    return type;
}

FactoryEvent* MovableActionEvent::createNew(const ParamList& params) const {
    Action action = SetVelocity;
    params.getRequired("action", action, getType());
    Vector2 vector;
    params.get("vector", vector);
    double real = 0.0;
    params.get("real", real);
    return new MovableActionEvent(action, vector, real, timeFrom(params));
}

FactoryEvent* MovableActionEvent::clone(double time) const {
    return new MovableActionEvent(action, vector, real, time);
}

std::istream& operator>>(std::istream& in, MovableActionEvent::Action& action) {
    std::string word;
    if (!(in >> word))
        return in;
    for (int index = 0; index < 7; ++index) {
        if (word == actionNames[index]) {
            action = static_cast<MovableActionEvent::Action>(index);
            return in;
        }
    }
    in.setstate(std::ios::failbit);
    return in;
}
