#pragma once

#include "core/PlayerActionListener.h"
#include "world/Component.h"
#include "world/SceneProcess.h"

#include <memory>
#include <string>

class Movable;

// Turns the ship's player actions into motion: the abstract base of the two map controllers.
// Every concrete controller is registered under its own type name and under the role name
// "PlayerInputController", so a ship holds at most one and others find it by the role.
//
// While its entity is in a scene the controller is one of that scene's processes; it is owned by
// its entity, never by the process manager. It hears the PlayerActionEvents that arrive on its
// own entity's event manager.
class PlayerInputController : public Component, public SceneProcess {
public:
    static const std::string& roleName();

    ~PlayerInputController() override;

    bool attach(Entity* entity) override;
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override {
        followScene(newManager, oldManager);
    }

    virtual void actionStarted(const PlayerActionEventPtr& event) = 0;
    virtual void actionStopped(const PlayerActionEventPtr& event) = 0;

protected:
    PlayerInputController();
    // The copy starts detached and outside any process manager.
    PlayerInputController(const PlayerInputController& other);

    // The entity's movable, or null: a controller without one ignores every action.
    Movable* getMovable() const;
    // Stops the opposite action at once, through the entity, so that the PlayerAction component
    // forgets it and this controller's own stopped handler undoes it.
    void cancelAction(PlayerActionType action) const;
    // The shot is made when the entity's queue is next worked off, not inside the handler.
    void queueShot(double time) const;

private:
    class ActionListener;
    std::unique_ptr<ActionListener> actionListener;
};
