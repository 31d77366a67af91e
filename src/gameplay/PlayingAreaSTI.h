#pragma once

#include "presentation/BoxSceneTemplateInstantiator.h"

// Spawns around a level's playing area: the world box of the PlayingArea on the entity named
// "playingArea" in the same scene (as BoxSceneTemplateInstantiator for "side" and "seed"). The
// entity is looked up at every spawn, so an area that arrives later, moves or is replaced is
// followed.
class PlayingAreaSTI : public BoxSceneTemplateInstantiator {
public:
    static const std::string& typeName();

    PlayingAreaSTI() = default;
    explicit PlayingAreaSTI(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PlayingAreaSTI(*this); }

    const std::string& getPlayingAreaName() const { return playingAreaName; }

protected:
    bool findBox(AxisAlignedBox& box) const override;

private:
    PlayingAreaSTI(const PlayingAreaSTI& other) = default;

    std::string playingAreaName;
};
