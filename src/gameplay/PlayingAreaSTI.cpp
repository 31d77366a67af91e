#include "gameplay/PlayingAreaSTI.h"

#include "core/ParamList.h"
#include "gameplay/PlayingArea.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

const std::string& PlayingAreaSTI::typeName() {
    static const std::string name = "PlayingAreaSTI";
    return name;
}

PlayingAreaSTI::PlayingAreaSTI(const ParamList& params)
    : BoxSceneTemplateInstantiator(params), playingAreaName(params.getText("playingArea")) {}

Component* PlayingAreaSTI::createNew(const ParamList& params) const {
    return new PlayingAreaSTI(params);
}

bool PlayingAreaSTI::findBox(AxisAlignedBox& box) const {
    SceneManager* scene = getSceneManager();
    Entity* holder = scene ? scene->findEntity(playingAreaName) : nullptr;
    auto* area = holder ? holder->getComponent<PlayingArea>(PlayingArea::typeName()) : nullptr;
    if (!area)
        return false;
    // Where the game's area reactions see it: the box moved with its entity.
    box = area->getWorldArea();
    return true;
}
