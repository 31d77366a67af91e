#pragma once

#include "world/EventScript.h"

#include <string>

class ParamList;
class SceneManager;

// The event script a trigger starts. Fetched and loaded when the trigger is made; copies share
// the script. Needs the EventScriptManager to be made from a name.
class LevelTrigger {
public:
    LevelTrigger() = default;
    LevelTrigger(const std::string& script, const std::string& fileHint);
    // "script" (required, raising with the context) and "file" (optional file hint).
    static LevelTrigger fromParams(const ParamList& params, const std::string& context);

    // Starts a run of the script in the scene. Nothing happens without a scene, or when the
    // script could not be found or loaded.
    void fire(SceneManager* scene) const;

    const EventScriptPtr& getScript() const { return script; }

private:
    EventScriptPtr script;
};
