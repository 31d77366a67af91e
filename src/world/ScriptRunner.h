#pragma once

#include "core/EventListener.h"
#include "world/Component.h"
#include "world/SceneListenerSlot.h"

// Starts runs of event scripts in its scene on ScriptRunnerActionEvents sent to the scene's event
// manager. Only the first runner to enter a scene listens there; later ones in the same scene
// stay silent. No parameters.
class ScriptRunner : public Component, public EventListener {
public:
    static const std::string typeName;

    ScriptRunner();
    ScriptRunner(const ScriptRunner& other);

    const std::string& getType() const override { return typeName; }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ScriptRunner(*this); }

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void handleEvent(const EventPtr& event) override;

    bool isListening() const { return slot.isListening(); }

private:
    SceneListenerSlot slot{*this};
};
