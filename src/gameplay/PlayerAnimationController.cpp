#include "gameplay/PlayerAnimationController.h"

#include "core/LogManager.h"
#include "core/PointerValidator.h"
#include "core/myexception.h"
#include "presentation/Animatable.h"
#include "presentation/AnimationActionEvent.h"
#include "world/Entity.h"

class PlayerAnimationController::ActionListener : public PlayerActionListener {
public:
    explicit ActionListener(PlayerAnimationController& owner) : owner(owner) {}
    void actionStarted(const PlayerActionEventPtr& event) override { owner.actionStarted(event); }
    void actionStopped(const PlayerActionEventPtr& event) override { owner.actionStopped(event); }

private:
    PlayerAnimationController& owner;
};

PlayerAnimationController::PlayerAnimationController()
    : actionListener(new ActionListener(*this)) {}

PlayerAnimationController::PlayerAnimationController(const PlayerAnimationController& other)
    : Component(other), actionListener(new ActionListener(*this)) {}

PlayerAnimationController::~PlayerAnimationController() = default;

void PlayerAnimationController::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(actionListener.get());
    if (newEntity)
        newEntity->addListener(actionListener.get());
}

void PlayerAnimationController::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager && shipEvents) {
        if (PointerValidator<EventManager>::isValid(shipEvents))
            shipEvents->removeListener(actionListener.get());
        shipEvents = nullptr;
    }
    if (!newManager || !getEntity())
        return;
    if (Entity* ship = getEntity()->getParentEntity()) {
        ship->addListener(actionListener.get());
        shipEvents = ship;
    }
    enteredScene();
}

void PlayerAnimationController::showAnimation(const std::string& name) const {
    Entity* entity = getEntity();
    if (!entity)
        return;
    Animatable* animatable = entity->getComponent<Animatable>(Animatable::typeName());
    if (!animatable)
        return;
    try {
        animatable->setAnimation(name, 0.0);
    } catch (const myexception& error) {
        logAnimationError(name, error.what());
    }
}

void PlayerAnimationController::requestAnimation(const std::string& name) const {
    Entity* entity = getEntity();
    if (!entity)
        return;
    try {
        entity->sendEvent(
            EventPtr(new AnimationActionEvent(AnimationActionEvent::SetAnimation, name, 0.0)));
    } catch (const myexception& error) {
        logAnimationError(name, error.what());
    }
}

void PlayerAnimationController::logAnimationError(const std::string& name,
                                                  const std::string& reason) const {
    logDefault("Error: " + getType() + " of entity " + getEntity()->getName() +
                   " cannot set animation " + name + ": " + reason,
               2);
}
