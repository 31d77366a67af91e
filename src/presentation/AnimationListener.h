#pragma once

#include "core/EventListener.h"

class AnimationEvent;

// Hears AnimationEvents and splits them into starts and ends.
class AnimationListener : public EventListener {
public:
    AnimationListener();
    ~AnimationListener() override = default;

    void handleEvent(const EventPtr& event) override;
    virtual void animationStarted(const AnimationEvent& /*event*/) {}
    virtual void animationEnded(const AnimationEvent& /*event*/) {}
};
