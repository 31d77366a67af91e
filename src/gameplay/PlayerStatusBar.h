#pragma once

#include "world/Component.h"
#include "world/SceneListener.h"

#include <string>

class EventListener;

// The common part of the health and shield bars: a bar that shows a state of one entity of its
// scene, found by name ("player"), which may enter the scene before or after the bar. The
// concrete bar supplies the listener that hears the player's changes and what its current state
// looks like; this part keeps that listener on the player while both are in the scene, and hears
// the player come and go through the scene's SceneEvents.
//
// The bar draws nothing itself: it switches the animation of its own entity with an
// AnimationActionEvent and sets the occlusion of its entity's OccludedAnimatable.
class PlayerStatusBar : public Component, public SceneListener {
public:
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void entityEntered(const SceneEventPtr& event) override;
    void entityLeft(const SceneEventPtr& event) override;

    const std::string& getPlayer() const { return player; }

protected:
    explicit PlayerStatusBar(const std::string& player) : player(player) {}
    PlayerStatusBar(const PlayerStatusBar& other)
        : Component(other), SceneListener(other), player(other.player) {}
    // The "player" parameter, required.
    static std::string playerFrom(const ParamList& params, const std::string& context);

    // The part that listens on the player entity.
    virtual EventListener& playerListener() = 0;
    // Shows the player's current state, when it has the component the bar shows.
    virtual void showCurrent(Entity& playerEntity) = 0;

    bool isPlayer(const std::string& name) const { return name == player; }
    // Switches the bar's animation and shows the fraction (0..1) of its width.
    void show(const std::string& animation, double fraction);

private:
    void watch(Entity& playerEntity);

    std::string player;
};
