#pragma once

#include "core/FactoryEvent.h"

#include <string>

// Asks the scene's ComponentAdder to change another entity: add a component from an entity
// template, remove a component, remove the entity at once or kill it. Registered as
// "ComponentAddition".
class ComponentAdderActionEvent : public FactoryEvent {
public:
    enum Action { AddComponent, RemoveComponent, RemoveEntity, KillEntity };

    ComponentAdderActionEvent();
    ComponentAdderActionEvent(Action action, const std::string& entityName, double time = 0.0);

    const std::string& getType() const override;
    // Raises "Invalid parameter for action." for an unknown action.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    Action getAction() const { return action; }
    const std::string& getEntityName() const { return entityName; }
    const std::string& getTemplateName() const { return templateName; }
    const std::string& getComponentType() const { return componentType; }
    const std::string& getFileName() const { return fileName; }
    void setTemplate(const std::string& templateName, const std::string& fileName);
    void setComponentType(const std::string& type) { componentType = type; }

private:
    Action action = AddComponent;
    std::string entityName;
    std::string templateName;
    std::string componentType;
    std::string fileName;
};
