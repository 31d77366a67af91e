#pragma once

#include "gameplay/PlayerAnimationController.h"

// Shows the flame of a "Scrolling" ship, which always drifts forward: animation "Flame" from the
// moment it enters a scene, "None" while it brakes. No parameters.
class PlayerScrollingAnimationController : public PlayerAnimationController {
public:
    static const std::string& typeName();

    PlayerScrollingAnimationController() = default;

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override {
        return new PlayerScrollingAnimationController();
    }
    Component* clone() const override { return new PlayerScrollingAnimationController(*this); }

    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;

protected:
    void enteredScene() override { showAnimation("Flame"); }

private:
    PlayerScrollingAnimationController(const PlayerScrollingAnimationController& other) = default;
};
