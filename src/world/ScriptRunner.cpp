#include "world/ScriptRunner.h"

#include "world/EventScriptManager.h"
#include "world/SceneManager.h"
#include "world/ScriptRunnerActionEvent.h"

#include <set>

namespace {

// The scenes that already have a listening runner.
std::set<SceneManager*>& servedScenes() {
    static std::set<SceneManager*> scenes;
    return scenes;
}

} // namespace

const std::string ScriptRunner::typeName = "ScriptRunner";

ScriptRunner::ScriptRunner() : EventListener(EventType::ScriptRunnerAction) {}

ScriptRunner::ScriptRunner(const ScriptRunner& other)
    : Component(other), EventListener(EventType::ScriptRunnerAction) {}

ScriptRunner::~ScriptRunner() {
    stopListening();
}

Component* ScriptRunner::createNew(const ParamList&) const {
    return new ScriptRunner();
}

void ScriptRunner::managerChanged(SceneManager* newManager, SceneManager*) {
    stopListening();
    if (newManager && servedScenes().insert(newManager).second) {
        newManager->addListener(this);
        listeningTo = newManager;
    }
}

void ScriptRunner::stopListening() {
    if (!listeningTo)
        return;
    listeningTo->removeListener(this);
    servedScenes().erase(listeningTo);
    listeningTo = nullptr;
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
