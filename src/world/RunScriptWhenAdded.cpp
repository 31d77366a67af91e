#include "world/RunScriptWhenAdded.h"

#include "core/ParamList.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"

const std::string RunScriptWhenAdded::typeName = "RunScriptWhenAdded";

Component* RunScriptWhenAdded::createNew(const ParamList& params) const {
    std::string name;
    params.getRequired("script", name, typeName);
    return new RunScriptWhenAdded(
        EventScriptManager::getSingleton().getTemplate(name, params.getText("file")));
}

void RunScriptWhenAdded::managerChanged(SceneManager* newManager, SceneManager*) {
    if (!newManager || !script)
        return;
    script->load();
    if (script->loadFailed())
        return;
    newManager->addProcess(EventScript::run(script, newManager));
}
