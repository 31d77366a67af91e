#include "gameplay/PlayerScrollingAnimationController.h"

const std::string& PlayerScrollingAnimationController::typeName() {
    static const std::string type = "PlayerScrollingAnimationController";
    return type;
}

void PlayerScrollingAnimationController::actionStarted(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Brake)
        requestAnimation("None");
}

void PlayerScrollingAnimationController::actionStopped(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Brake)
        showAnimation("Flame");
}
