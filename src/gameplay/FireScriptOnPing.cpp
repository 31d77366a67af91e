#include "gameplay/FireScriptOnPing.h"

#include "core/ParamList.h"
#include "gameplay/PlayerPing.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"

const std::string& FireScriptOnPing::typeName() {
    static const std::string type = "FireScriptOnPing";
    return type;
}

Component* FireScriptOnPing::createNew(const ParamList& params) const {
    std::string name;
    params.getRequired("script", name, typeName());
    EventScriptPtr found =
        EventScriptManager::getSingleton().getTemplate(name, params.getText("file"));
    if (found)
        found->load();
    return new FireScriptOnPing(found);
}

void FireScriptOnPing::collisionStarted(const CollidableEventPtr& event) {
    if (!script || !PlayerPing::isPing(otherEntity(*event)))
        return;
    // The physics manager still delivers to an entity that an earlier listener of the same step
    // took out of its scene; there is no scene left to run the script in.
    SceneManager* scene = getSceneManager();
    if (!scene)
        return;
    script->load();
    if (script->loadFailed())
        return;
    scene->addProcess(EventScript::run(script, scene));
}
