#pragma once

#include "core/PlayerActionListener.h"
#include "world/Component.h"

#include <memory>
#include <string>

class EventManager;

// Shared part of the engine-flame controllers. The flame is an entity below the ship; while it
// is in a scene the controller hears the player actions of the nearest ancestor entity (the
// ship), and also those that reach its own entity.
class PlayerAnimationController : public Component {
public:
    ~PlayerAnimationController() override;

    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    virtual void actionStarted(const PlayerActionEventPtr& event) = 0;
    virtual void actionStopped(const PlayerActionEventPtr& event) = 0;

protected:
    PlayerAnimationController();
    // The copy starts detached and listens to nothing.
    PlayerAnimationController(const PlayerAnimationController& other);

    // Called once the controller listens to the ship of a scene it entered.
    virtual void enteredScene() {}
    // Switches the entity's Animatable at once. A name the Animatable lacks is a data problem:
    // it is logged and the animation stays as it was.
    void showAnimation(const std::string& name) const;
    // Sends the entity an AnimationActionEvent that sets the animation, for any listener there.
    void requestAnimation(const std::string& name) const;

private:
    class ActionListener;
    void logAnimationError(const std::string& name, const std::string& reason) const;

    std::unique_ptr<ActionListener> actionListener;
    // The ship's event manager while listening there; checked before use, since the ship may be
    // deleted from under the flame (RemoveEntity leaves the flame's node in the scene).
    EventManager* shipEvents = nullptr;
};
