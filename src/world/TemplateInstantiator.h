#pragma once

#include "core/EventListener.h"
#include "world/Component.h"
#include "world/SceneListenerSlot.h"

class TemplateInstantiationActionEvent;

// Builds scene templates, or single entities from entity templates, in its scene on
// TemplateInstantiationActionEvents sent to the scene's event manager. Only the first
// instantiator to enter a scene listens there; later ones in the same scene stay silent.
// No parameters.
class TemplateInstantiator : public Component, public EventListener {
public:
    static const std::string typeName;

    TemplateInstantiator();
    TemplateInstantiator(const TemplateInstantiator& other);

    const std::string& getType() const override { return typeName; }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new TemplateInstantiator(*this); }

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void handleEvent(const EventPtr& event) override;

    bool isListening() const { return slot.isListening(); }

private:
    void instantiateEntity(const TemplateInstantiationActionEvent& action, SceneManager& scene);
    void instantiateScene(const TemplateInstantiationActionEvent& action, SceneManager& scene);
    // The node of the entity named parent in the scene, or null.
    static SceneNode* parentNode(const std::string& parent, SceneManager& scene);

    SceneListenerSlot slot{*this};
};
