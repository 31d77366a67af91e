#pragma once

#include "world/Component.h"

// Makes its entity a member of the named group of its scene, which TargetableGroupSeekers of
// that group choose their nearest target from.
class TargetableGroup : public Component {
public:
    static const std::string& typeName();

    explicit TargetableGroup(const std::string& group = std::string()) : group(group) {}
    ~TargetableGroup() override;

    const std::string& getType() const override { return typeName(); }
    // "group" is optional (empty).
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new TargetableGroup(group); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    const std::string& getGroup() const { return group; }

private:
    std::string group;
    // The scene whose group holds this member, or null.
    SceneManager* memberOf = nullptr;
};
