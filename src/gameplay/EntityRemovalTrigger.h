#pragma once

#include "gameplay/LevelTrigger.h"
#include "world/Component.h"

// Starts its script in the scene its entity leaves, each time the entity leaves one. Taking only
// this component off the entity is not the entity leaving and starts nothing.
class EntityRemovalTrigger : public Component {
public:
    static const std::string& typeName();

    EntityRemovalTrigger() = default;
    explicit EntityRemovalTrigger(const LevelTrigger& trigger) : trigger(trigger) {}

    const std::string& getType() const override { return typeName(); }
    // "script" is required; "file" is its file hint.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new EntityRemovalTrigger(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

private:
    LevelTrigger trigger;
};
