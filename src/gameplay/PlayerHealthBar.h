#pragma once

#include "gameplay/DamageableListener.h"
#include "gameplay/PlayerStatusBar.h"

// Shows the player's hit points: "HealthBar-Green" above half, "HealthBar-Yellow" above a
// quarter, "HealthBar-Red" at a quarter or less, with the occlusion at the fraction left. A
// player whose total is 0 shows an empty red bar.
class PlayerHealthBar : public PlayerStatusBar, public DamageableListener {
public:
    static const std::string& typeName();

    explicit PlayerHealthBar(const std::string& player = std::string()) : PlayerStatusBar(player) {}
    PlayerHealthBar(const PlayerHealthBar& other)
        : PlayerStatusBar(other), DamageableListener(other) {}

    const std::string& getType() const override { return typeName(); }
    // "player" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PlayerHealthBar(*this); }

    void healthChanged(const DamageableEventPtr& event) override;
    void update(int hp, int totalHP);

protected:
    EventListener& playerListener() override { return static_cast<DamageableListener&>(*this); }
    void showCurrent(Entity& playerEntity) override;
};
