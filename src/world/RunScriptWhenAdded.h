#pragma once

#include "world/Component.h"
#include "world/EventScript.h"

// Starts a run of its event script each time its entity enters a scene. Parameters: "script"
// (required) and "file" (file hint). The script is fetched when the component is made and shared
// by its copies; leaving a scene does nothing to runs already started.
class RunScriptWhenAdded : public Component {
public:
    static const std::string typeName;

    RunScriptWhenAdded() = default;
    explicit RunScriptWhenAdded(const EventScriptPtr& script) : script(script) {}

    const std::string& getType() const override { return typeName; }
    // Raises "RunScriptWhenAdded Could not find parameter 'script'" without a script name.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new RunScriptWhenAdded(*this); }

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    const EventScriptPtr& getScript() const { return script; }

private:
    EventScriptPtr script;
};
