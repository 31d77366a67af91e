#include "gameplay/LevelTrigger.h"

#include "core/ParamList.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"

LevelTrigger::LevelTrigger(const std::string& name, const std::string& fileHint)
    : script(EventScriptManager::getSingleton().getTemplate(name, fileHint)) {
    if (script)
        script->load();
}

LevelTrigger LevelTrigger::fromParams(const ParamList& params, const std::string& context) {
    std::string name;
    params.getRequired("script", name, context);
    return LevelTrigger(name, params.getText("file"));
}

void LevelTrigger::fire(SceneManager* scene) const {
    if (!script || !scene)
        return;
    script->load();
    if (!script->loadFailed())
        scene->addProcess(EventScript::run(script, scene));
}
