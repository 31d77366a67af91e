#include "gameplay/PlayerInputController.h"

#include "core/ProcessManager.h"
#include "gameplay/BulletShooterActionEvent.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

class PlayerInputController::ActionListener : public PlayerActionListener {
public:
    explicit ActionListener(PlayerInputController& owner) : owner(owner) {}
    void actionStarted(const PlayerActionEventPtr& event) override { owner.actionStarted(event); }
    void actionStopped(const PlayerActionEventPtr& event) override { owner.actionStopped(event); }

private:
    PlayerInputController& owner;
};

const std::string& PlayerInputController::roleName() {
    static const std::string name = "PlayerInputController";
    return name;
}

PlayerInputController::PlayerInputController() : actionListener(new ActionListener(*this)) {}

PlayerInputController::PlayerInputController(const PlayerInputController& other)
    : Component(other), SceneProcess(), actionListener(new ActionListener(*this)) {}

PlayerInputController::~PlayerInputController() = default;

bool PlayerInputController::attach(Entity* entity) {
    return attachAs({getType(), roleName()}, entity);
}

void PlayerInputController::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(actionListener.get());
    if (newEntity)
        newEntity->addListener(actionListener.get());
}

Movable* PlayerInputController::getMovable() const {
    return getSibling<Movable>(Movable::typeName());
}

void PlayerInputController::cancelAction(PlayerActionType action) const {
    if (Entity* entity = getEntity())
        entity->sendEvent(EventPtr(new PlayerActionEvent(action, false, 0, 0, 0.0)));
}

void PlayerInputController::queueShot(double time) const {
    if (Entity* entity = getEntity())
        entity->queueEvent(EventPtr(new BulletShooterActionEvent(time)));
}
