#pragma once

#include "gameplay/PlayingAreaListener.h"
#include "world/Component.h"

// Keeps its entity inside the named playing area: an entity that crosses a border outwards is
// put back on that border at once. Its velocity is left alone, so it slides along the border
// while it keeps pushing outwards.
class PreventFromLeavingArea : public Component, public PlayingAreaListener {
public:
    static const std::string& typeName();

    explicit PreventFromLeavingArea(const std::string& playingArea = std::string())
        : playingArea(playingArea) {}
    PreventFromLeavingArea(const PreventFromLeavingArea& other)
        : Component(other), PlayingAreaListener(other), playingArea(other.playingArea) {}

    const std::string& getType() const override { return typeName(); }
    // "playingArea" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PreventFromLeavingArea(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void areaLeft(const PlayingAreaEventPtr& event) override;

private:
    std::string playingArea;
};
