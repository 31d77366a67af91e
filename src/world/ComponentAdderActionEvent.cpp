#include "world/ComponentAdderActionEvent.h"

#include "core/ParamList.h"
#include "core/myexception.h"

ComponentAdderActionEvent::ComponentAdderActionEvent()
    : FactoryEvent(EventType::ComponentAdderAction, 0.0) {}

ComponentAdderActionEvent::ComponentAdderActionEvent(Action action, const std::string& entityName,
                                                     double time)
    : FactoryEvent(EventType::ComponentAdderAction, time), action(action), entityName(entityName) {}

const std::string& ComponentAdderActionEvent::getType() const {
    static const std::string type = "ComponentAddition";
    return type;
}

FactoryEvent* ComponentAdderActionEvent::createNew(const ParamList& params) const {
    std::string actionName;
    params.getRequired("action", actionName, getType());
    Action parsed;
    if (actionName == "AddComponent")
        parsed = AddComponent;
    else if (actionName == "RemoveComponent")
        parsed = RemoveComponent;
    else if (actionName == "RemoveEntity")
        parsed = RemoveEntity;
    else if (actionName == "KillEntity")
        parsed = KillEntity;
    else
        throw myexception("Invalid parameter for action.");
    auto* event = new ComponentAdderActionEvent(parsed, params.getText("entity"), timeFrom(params));
    event->templateName = params.getText("template");
    event->componentType = params.getText("type");
    event->fileName = params.getText("file");
    return event;
}

FactoryEvent* ComponentAdderActionEvent::clone(double time) const {
    auto* copy = new ComponentAdderActionEvent(*this);
    copy->setTime(time);
    return copy;
}

void ComponentAdderActionEvent::setTemplate(const std::string& newTemplateName,
                                            const std::string& newFileName) {
    templateName = newTemplateName;
    fileName = newFileName;
}
