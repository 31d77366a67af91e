#include "gameplay/Targetable.h"

#include "core/ParamList.h"
#include "gameplay/TargetableEvent.h"
#include "world/SceneManager.h"

const std::string& Targetable::typeName() {
    static const std::string type = "Targetable";
    return type;
}

Targetable::~Targetable() {
    if (SceneManager* scene = getSceneManager())
        announce(scene, 1);
}

Component* Targetable::createNew(const ParamList& params) const {
    return new Targetable(params.getText("name"));
}

void Targetable::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        announce(oldManager, 1);
    if (newManager)
        announce(newManager, 0);
}

void Targetable::announce(SceneManager* scene, std::uint32_t removed) {
    scene->sendEvent(EventPtr(new TargetableEvent(name, this, removed, scene->getTotalTime())));
}
