#pragma once

#include "core/FactoryEvent.h"

#include <cstdint>
#include <string>

// Asks an entity's Animatable to switch animation or jump to a position. Data files name it
// "AnimationAction".
class AnimationActionEvent : public FactoryEvent {
public:
    enum Kind : std::int32_t { SetAnimation = 0, SetPosition = 1 };

    AnimationActionEvent(Kind kind, const std::string& animationName, double position,
                         double time = 0.0);
    // A prototype for the factory: sets the empty animation from its start.
    AnimationActionEvent() : AnimationActionEvent(SetAnimation, "", 0.0) {}

    static const std::string& typeName();
    const std::string& getType() const override { return typeName(); }
    // "action" is "SetAnimation" (needs "name") or "SetPosition" (needs "pos"); anything else
    // raises "Invalid type for action".
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    Kind getKind() const { return kind; }
    const std::string& getAnimationName() const { return animationName; }
    double getPosition() const { return position; }

private:
    Kind kind;
    std::string animationName;
    double position;
};
