#include "presentation/AnimationListener.h"

#include "presentation/AnimationEvent.h"

AnimationListener::AnimationListener() : EventListener(EventType::Animation) {}

void AnimationListener::handleEvent(const EventPtr& event) {
    auto animation = dynamic_cast<const AnimationEvent*>(event.get());
    if (!animation)
        return;
    if (animation->getKind() == AnimationEvent::Started)
        animationStarted(*animation);
    else if (animation->getKind() == AnimationEvent::Ended)
        animationEnded(*animation);
}
