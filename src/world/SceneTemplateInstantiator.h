#pragma once

#include "world/Component.h"
#include "world/SceneTemplate.h"

// The spawner role that decides where a spawn appears and which way it faces. A spawner entity
// holds at most one component in this role; its creator finds it under typeName().
class SceneTemplateInstantiator : public Component {
public:
    static const std::string& typeName() {
        static const std::string name = "SceneTemplateInstantiator";
        return name;
    }

    // Builds the template into this component's scene; the first root node made, owned by the
    // scene, or null when nothing was built.
    virtual SceneNode* instantiate(const SceneTemplatePtr& sceneTemplate) = 0;

    bool attach(Entity* entity) override { return attachAs({getType(), typeName()}, entity); }
};
