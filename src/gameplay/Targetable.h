#pragma once

#include "gameplay/NamedTarget.h"
#include "world/Component.h"

// Marks its entity as a target for the TargetSeekers of the same name, announcing its comings
// and goings through the scene.
class Targetable : public Component, public NamedTarget {
public:
    static const std::string& typeName();

    explicit Targetable(const std::string& name = std::string()) : name(name) {}
    // A targetable destroyed while its entity is in a scene announces that it leaves, so no
    // seeker keeps an entity that is no longer a target.
    ~Targetable() override;

    const std::string& getType() const override { return typeName(); }
    // "name" is optional (empty).
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new Targetable(name); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    const std::string& getName() const { return name; }
    const std::string& getTargetName() const override { return name; }

private:
    void announce(SceneManager* scene, std::uint32_t removed);

    std::string name;
};
