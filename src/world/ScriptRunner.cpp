#include "world/ScriptRunner.h"

#include "world/EventScriptManager.h"
#include "world/SceneManager.h"
#include "world/ScriptRunnerActionEvent.h"

const std::string ScriptRunner::typeName = "ScriptRunner";

ScriptRunner::ScriptRunner() : EventListener(EventType::ScriptRunnerAction) {}

ScriptRunner::ScriptRunner(const ScriptRunner& other)
    : Component(other), EventListener(EventType::ScriptRunnerAction) {}

Component* ScriptRunner::createNew(const ParamList&) const {
    return new ScriptRunner();
}

void ScriptRunner::managerChanged(SceneManager* newManager, SceneManager*) {
    slot.follow(newManager);
}

void ScriptRunner::handleEvent(const EventPtr& event) {
    auto action = boost::dynamic_pointer_cast<ScriptRunnerActionEvent>(event);
    SceneManager* scene = getSceneManager();
    if (!action || !scene)
        return;
    EventScriptPtr script =
        EventScriptManager::getSingleton().getTemplate(action->getScript(), action->getFile());
    if (!script)
        return;
    script->load();
    if (script->loadFailed())
        return;
    scene->addProcess(EventScript::run(script, scene));
}
