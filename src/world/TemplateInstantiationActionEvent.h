#pragma once

#include "core/FactoryEvent.h"
#include "core/Vector2.h"

#include <string>

// Asks the scene's TemplateInstantiator to build a scene template, or one entity from an entity
// template, at a placement, optionally under the node of a named entity.
class TemplateInstantiationActionEvent : public FactoryEvent {
public:
    enum class Kind { Scene, Entity };

    static const std::string typeName;

    TemplateInstantiationActionEvent();
    TemplateInstantiationActionEvent(Kind kind, const std::string& templateName, double time);

    const std::string& getType() const override { return typeName; }
    // Raises "Invalid type for parameter template." for a "type" other than "Scene" or "Entity",
    // and the required-parameter messages when "type" or "template" is missing.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    Kind kind = Kind::Scene;
    std::string templateName;
    // Entity name, for Kind::Entity; empty for a fresh name.
    std::string name;
    std::string file;
    // Name of the entity under whose node the result is placed; empty for the scene's root.
    std::string parent;
    Vector2 pos{0.0, 0.0};
    Vector2 ori{1.0, 0.0};
    Vector2 scl{1.0, 1.0};
};
