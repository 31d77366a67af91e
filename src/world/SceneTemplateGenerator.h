#pragma once

#include "world/Component.h"
#include "world/SceneTemplate.h"

// The spawner role that picks what to spawn. A spawner entity holds at most one component in
// this role; its creator finds it under typeName().
class SceneTemplateGenerator : public Component {
public:
    static const std::string& typeName() {
        static const std::string name = "SceneTemplateGenerator";
        return name;
    }

    // The template for the next spawn, or none when this firing spawns nothing.
    virtual SceneTemplatePtr generate() = 0;

    bool attach(Entity* entity) override { return attachAs({getType(), typeName()}, entity); }
};
