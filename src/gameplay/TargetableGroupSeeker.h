#pragma once

#include "core/Vector2.h"
#include "world/Component.h"
#include "world/SceneListener.h"
#include "world/TargetHolder.h"

// Chooses, on request, the member of its group (in its entity's scene) nearest to a position
// and keeps it as its current target, so steering and guns aim at the same entity. The target
// is dropped when it leaves the scene.
class TargetableGroupSeeker : public Component, public TargetHolder, public SceneListener {
public:
    static const std::string& typeName();

    explicit TargetableGroupSeeker(const std::string& group = std::string()) : group(group) {}

    const std::string& getType() const override { return typeName(); }
    // "group" is optional (empty).
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new TargetableGroupSeeker(group); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // Makes the nearest member the current target (none without scene, group or member).
    Entity* chooseNearest(const Vector2& position);
    Entity* getTarget() const override { return target; }
    const std::string& getGroup() const { return group; }

    void entityEntered(const SceneEventPtr&) override {}
    void entityLeft(const SceneEventPtr& event) override;

private:
    std::string group;
    Entity* target = nullptr;
};
