#include "presentation/AnimationActionEvent.h"

#include "core/ParamList.h"
#include "core/myexception.h"

AnimationActionEvent::AnimationActionEvent(Kind kind, const std::string& animationName,
                                           double position, double time)
    : FactoryEvent(EventType::AnimationAction, time), kind(kind), animationName(animationName),
      position(position) {}

const std::string& AnimationActionEvent::typeName() {
    static const std::string name = "AnimationAction";
    return name;
}

FactoryEvent* AnimationActionEvent::createNew(const ParamList& params) const {
    std::string action;
    params.getRequired("action", action, "");
    double time = timeFrom(params);
    if (action == "SetAnimation") {
        std::string name;
        params.getRequired("name", name, "");
        double position = 0.0;
        params.get("pos", position);
        return new AnimationActionEvent(SetAnimation, name, position, time);
    }
    if (action == "SetPosition") {
        double position = 0.0;
        params.getRequired("pos", position, "");
        return new AnimationActionEvent(SetPosition, "", position, time);
    }
    throw myexception("Invalid type for action");
}

FactoryEvent* AnimationActionEvent::clone(double time) const {
    return new AnimationActionEvent(kind, animationName, position, time);
}
