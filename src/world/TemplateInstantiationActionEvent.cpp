#include "world/TemplateInstantiationActionEvent.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "world/SceneTemplate.h"

const std::string TemplateInstantiationActionEvent::typeName = "TemplateInstantiation";

TemplateInstantiationActionEvent::TemplateInstantiationActionEvent()
    : FactoryEvent(EventType::TemplateInstantiationAction, 0.0) {}

TemplateInstantiationActionEvent::TemplateInstantiationActionEvent(Kind kind,
                                                                   const std::string& templateName,
                                                                   double time)
    : FactoryEvent(EventType::TemplateInstantiationAction, time), kind(kind),
      templateName(templateName) {}

FactoryEvent* TemplateInstantiationActionEvent::createNew(const ParamList& params) const {
    std::string type;
    params.getRequired("type", type, typeName);
    Kind kind;
    if (type == "Scene")
        kind = Kind::Scene;
    else if (type == "Entity")
        kind = Kind::Entity;
    else
        throw myexception("Invalid type for parameter template.");
    std::string templateName;
    params.getRequired("template", templateName, typeName);

    auto* event = new TemplateInstantiationActionEvent(kind, templateName, timeFrom(params));
    event->name = params.getText("name");
    event->file = params.getText("file");
    event->parent = params.getText("parent");
    // Unreadable placements keep their defaults, as in scene templates.
    SceneTemplate::readVector(params.getText("pos"), event->pos);
    SceneTemplate::readOrientation(params.getText("ori"), event->ori);
    SceneTemplate::readVector(params.getText("scl"), event->scl);
    return event;
}

FactoryEvent* TemplateInstantiationActionEvent::clone(double time) const {
    auto* copy = new TemplateInstantiationActionEvent(*this);
    copy->setTime(time);
    return copy;
}
