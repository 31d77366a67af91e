#pragma once

#include "gameplay/PlayingAreaListener.h"
#include "world/Component.h"

// Removes its entity when it crosses a border of the named playing area outwards, for nothing:
// its "Scoreable" and "CountableObject" (any that act as a RemovalReward) forfeit first, so
// leaving the field neither scores nor counts.
class KillWhenLeavingArea : public Component, public PlayingAreaListener {
public:
    static const std::string& typeName();

    explicit KillWhenLeavingArea(const std::string& playingArea = std::string())
        : playingArea(playingArea) {}
    KillWhenLeavingArea(const KillWhenLeavingArea& other)
        : Component(other), PlayingAreaListener(other), playingArea(other.playingArea) {}

    const std::string& getType() const override { return typeName(); }
    // "playingArea" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new KillWhenLeavingArea(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void areaLeft(const PlayingAreaEventPtr& event) override;

private:
    std::string playingArea;
};
