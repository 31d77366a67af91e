#pragma once

#include "core/EventListener.h"
#include "world/Component.h"
#include "world/SceneListenerSlot.h"

class ComponentAdderActionEvent;

// Carries out ComponentAdderActionEvents sent to its scene's event manager. Only the first adder
// to enter a scene listens there; later ones in the same scene stay silent.
class ComponentAdder : public Component, public EventListener {
public:
    ComponentAdder();
    ComponentAdder(const ComponentAdder& other);

    const std::string& getType() const override;
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override;

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void handleEvent(const EventPtr& event) override;

    bool isListening() const { return slot.isListening(); }

private:
    // Makes the component from the event's template and attaches it; a refused one is deleted.
    void addFromTemplate(Entity* target, const ComponentAdderActionEvent& action);

    SceneListenerSlot slot{*this};
};
