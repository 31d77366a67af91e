#pragma once

#include "world/Component.h"

// The spawner role that decides when to spawn. It asks the generator and the instantiator on
// its own entity for the what and the where.
class SceneTemplateCreator : public Component {
public:
    static const std::string& typeName() {
        static const std::string name = "SceneTemplateCreator";
        return name;
    }

    // One spawn; nothing happens without both partners or when either has nothing to give.
    virtual void create() = 0;

    bool attach(Entity* entity) override { return attachAs({getType(), typeName()}, entity); }
};
