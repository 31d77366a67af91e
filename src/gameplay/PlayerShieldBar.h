#pragma once

#include "gameplay/PlayerShieldListener.h"
#include "gameplay/PlayerStatusBar.h"

// Shows the energy of the player's shield: the animation "Shield", with the occlusion at the
// energy (0..1).
class PlayerShieldBar : public PlayerStatusBar, public PlayerShieldListener {
public:
    static const std::string& typeName();

    explicit PlayerShieldBar(const std::string& player = std::string()) : PlayerStatusBar(player) {}
    PlayerShieldBar(const PlayerShieldBar& other)
        : PlayerStatusBar(other), PlayerShieldListener(other) {}

    const std::string& getType() const override { return typeName(); }
    // "player" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PlayerShieldBar(*this); }

    void shieldChanged(const PlayerShieldEventPtr& event) override;
    void update(double amount) { show("Shield", amount); }

protected:
    EventListener& playerListener() override { return static_cast<PlayerShieldListener&>(*this); }
    void showCurrent(Entity& playerEntity) override;
};
