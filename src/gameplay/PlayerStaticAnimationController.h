#pragma once

#include "gameplay/PlayerAnimationController.h"

// Shows the flame of a "Static" ship while it thrusts: animation "Flame" on thrust, "None" when
// the thrust stops. No parameters.
class PlayerStaticAnimationController : public PlayerAnimationController {
public:
    static const std::string& typeName();

    PlayerStaticAnimationController() = default;

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override {
        return new PlayerStaticAnimationController();
    }
    Component* clone() const override { return new PlayerStaticAnimationController(*this); }

    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;

private:
    PlayerStaticAnimationController(const PlayerStaticAnimationController& other) = default;
};
